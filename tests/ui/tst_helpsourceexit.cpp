// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "MainWindowFixture.h"
#include "display/controls/CommandButton.h"
#include "display/controls/HScrollBar.h"
#include "display/controls/Label.h"
#include "display/controls/TextBox.h"
#include "display/desktop/SystemEnvironment.h"
#include "display/dspCommon.h"
#include "display/text/Fonts.h"
#include "ui/help/frmFenwaHelp.h"
#include "ui/main/HelpSourceExit.h"
#include "ui/main/frmFenwa.h"

#include <QMessageBox>
#include <QPointer>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>
#include <csignal>
#include <unistd.h>

using namespace fenwa::display;
using fenwa::ui::frmFenwa;
using fenwa::ui::frmFenwaHelp;

namespace {

class FixedRandom : public fenwa::model::RandomSource {
public:
    void Randomize(float) override {}
    float RandomNext() override { return 0.5f; }
};

// What the label opens: the site the build names, else the archive that came
// with the program, where the fake environment keeps the program's data.
const QString Archive = QStringLiteral("file:///opt/fenwa%201.0/share/fenwa/Ondrik5src.zip");
const QString Address = QStringLiteral(FENWA_DOWNLOAD_BASE).isEmpty()
                            ? Archive
                            : QStringLiteral(FENWA_DOWNLOAD_BASE "Ondrik5src.zip");

// The notices about a browser that could not be opened, shown at the moment.
QList<QMessageBox*> Notices() {
    QList<QMessageBox*> shown;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) shown << box;
    return shown;
}

} // namespace

class HelpSourceExitTest : public QObject {
    Q_OBJECT

    FixedRandom random;
    fenwa::test::MainWindowFixture window;
    FakeEnvironment& fake = window.fake;

    // A click as the window system delivers it, so that a modal window can refuse it.
    void ClickThroughTheWindow(QWidget* control) {
        const QPoint at = control->mapTo(window.get(), control->rect().center());
        QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {}, at);
    }

private slots:
    void initTestCase() { InstallFontSubstitutions(); }

    void init() { QVERIFY(window.Open(random)); }
    void cleanup() {
        for (QMessageBox* notice : Notices())
            notice->close();
        window.Close();
    }

    void helpOpensModallyNearTheScreenCorner() {
        window->move(300, 200);
        QPointer<frmFenwaHelp> opened;
        QPoint at;
        QString count;
        bool focusInBox = false, dialogOfTheMainWindow = false;
        int slitsAfterClick = 0;
        QVERIFY(window.WithHelpWindow([&](frmFenwaHelp& help) {
            opened = &help;
            at = help.pos();
            // The desktop keeps it above the main window and minimises it only with it.
            dialogOfTheMainWindow =
                help.windowType() == Qt::Dialog &&
                help.windowHandle()->transientParent() == window->windowHandle() &&
                !(help.windowFlags() & Qt::WindowMinMaxButtonsHint) &&
                help.size() == QSize(548, 373) && help.parent() == nullptr;
            count = help.txtN->text();
            focusInBox = QApplication::focusWidget() == help.txtN;
            ClickThroughTheWindow(window->cmdSlitNo[3]);
            slitsAfterClick = window->apparatus().SlitCount;
        }));
        // Screen coordinates: the main window's place does not matter.
        QCOMPARE(at, QPoint(8, 6)); // 0.01 of 794 x 568 pixels
        QCOMPARE(count, QStringLiteral("5000"));
        QVERIFY(focusInBox);
        QCOMPARE(slitsAfterClick, 2); // the main window took no input
        QVERIFY(dialogOfTheMainWindow);
        QVERIFY(opened.isNull()); // gone once closed
        QVERIFY(!QApplication::activeModalWidget());
        QTRY_COMPARE(QApplication::activeWindow(), window.get()); // the keyboard is back
        ClickThroughTheWindow(window->cmdSlitNo[3]);
        QCOMPARE(window->apparatus().SlitCount, std::int16_t(3));
    }

    void reopeningStartsAfresh() {
        QVERIFY(window.WithHelpWindow([](frmFenwaHelp& help) {
            auto* box = help.txtN;
            QTest::keyClicks(box, "7");
            QTest::keyClick(box, Qt::Key_Backspace);
            QTest::keyClick(box, Qt::Key_Backspace);
            help.hsbN->SetValue(9000);
            QTest::keyClicks(box, "12");
        }));
        QString count;
        int value = 0;
        QVERIFY(window.WithHelpWindow([&](frmFenwaHelp& help) {
            count = help.txtN->text();
            value = help.hsbN->Value();
        }));
        QCOMPARE(count, QStringLiteral("5000"));
        QCOMPARE(value, 5000);
    }

    void escapeClosesTheHelpWindowAndEndsNothing() {
        bool stillOpen = true;
        QVERIFY(window.WithHelpWindow([&](frmFenwaHelp& help) {
            QTest::keyClick(help.txtN, Qt::Key_Escape);
            stillOpen = help.isVisible();
        }));
        QVERIFY(!stillOpen);
        QCOMPARE(fake.ends, 0);
        QVERIFY(window->isVisible());
    }

    void downloadOpensTheArchiveAddressOnEveryClick() {
        QTest::mouseClick(window->GetSrc, Qt::LeftButton);
        QTest::mouseClick(window->GetSrc, Qt::LeftButton);
        QCOMPARE(fake.openedUrls, QStringList({Address, Address}));
        QVERIFY(Notices().isEmpty());
    }

    void noBrowserLeavesANoticeAndTheLessonGoesOn() {
        fake.browserAvailable = false;
        QTest::mouseClick(window->GetSrc, Qt::LeftButton);
        QCOMPARE(Notices().size(), 1);
        QMessageBox* notice = Notices().first();
        QVERIFY(notice->text().contains(Address));
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(fake.ends, 0);
        QVERIFY(window->isVisible());

        // The main window still takes input, and a second failure adds no notice.
        QTest::mouseClick(window->cmdSlitNo[3], Qt::LeftButton);
        QCOMPARE(window->apparatus().SlitCount, std::int16_t(3));
        QTest::mouseClick(window->GetSrc, Qt::LeftButton);
        QCOMPARE(Notices().size(), 1);
        QCOMPARE(fake.openedUrls.size(), 2);
    }

    // A site named by the build is opened whether or not an archive came
    // with the program; without one the archive is opened, or its absence told.
    void theSiteOrTheArchiveThatCameWithTheProgram_data() {
        QTest::addColumn<QString>("site");
        QTest::addColumn<bool>("archiveThere");
        QTest::addColumn<QStringList>("opened");
        QTest::addColumn<QString>("notice");
        const QString site = QStringLiteral("https://example.org/fenwa/");
        const QStringList onSite = {site + QStringLiteral("Ondrik5src.zip")};
        QTest::newRow("site") << site << true << onSite << QString();
        QTest::newRow("site, no archive") << site << false << onSite << QString();
        QTest::newRow("archive") << QString() << true << QStringList{Archive} << QString();
        QTest::newRow("no archive") << QString() << false << QStringList()
                                    << QStringLiteral("/opt/fenwa 1.0/share/fenwa/Ondrik5src.zip");
    }
    void theSiteOrTheArchiveThatCameWithTheProgram() {
        QFETCH(QString, site);
        QFETCH(bool, archiveThere);
        QFETCH(QStringList, opened);
        QFETCH(QString, notice);
        if (!archiveThere) fake.dataFiles.clear();
        fenwa::ui::OpenSourceArchive(fake, site.toStdString());
        QCOMPARE(fake.openedUrls, opened);
        QCOMPARE(Notices().size(), notice.isEmpty() ? 0 : 1);
        if (!notice.isEmpty()) QVERIFY(Notices().first()->text().endsWith(u'\n' + notice));
        QVERIFY(!QApplication::activeModalWidget());
    }

    // The real search: the build tree keeps data beside the program, an
    // installation in share/fenwa beside its bin folder.
    void dataIsFoundBesideTheProgramElseInItsDataFolder_data() {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("installed");
        QTest::newRow("build tree") << true << false;
        QTest::newRow("installed") << false << true;
        QTest::newRow("both: the build tree's") << true << true;
        QTest::newRow("neither: the installed place") << false << false;
    }
    void dataIsFoundBesideTheProgramElseInItsDataFolder() {
        QFETCH(bool, beside);
        QFETCH(bool, installed);
        const QDir program(QCoreApplication::applicationDirPath());
        const QString name = QStringLiteral("tst_helpsourceexit.data");
        const QString besidePath = program.filePath(name);
        const QString dataFolder =
            QDir::cleanPath(program.filePath(QStringLiteral("../share/fenwa")));
        const QString installedPath = dataFolder + u'/' + name;
        const auto removeAll = qScopeGuard([&] {
            QFile::remove(besidePath);
            QDir(dataFolder).removeRecursively();
            QDir().rmdir(QFileInfo(dataFolder).path());
        });
        QVERIFY(QDir().mkpath(dataFolder));
        for (const auto& [there, path] :
             {std::pair{beside, besidePath}, {installed, installedPath}})
            if (there) QVERIFY(QFile(path).open(QIODevice::WriteOnly));
        const Environment::DataFile found = SystemEnvironment().FindDataFile(name);
        QCOMPARE(found.path, beside ? besidePath : installedPath);
        QCOMPARE(found.found, beside || installed);
    }

    // The desktop's opener, xdg-open, tells of a missing browser only by its
    // exit status, after the click has been handled; it may also run on as
    // the browser itself, which must outlive the program.
    void theDesktopsOpenerIsHeardOut_data() {
        QTest::addColumn<QString>("then");
        QTest::addColumn<int>("notices");
        QTest::newRow("a browser opens") << "exit 0" << 0;
        QTest::newRow("no browser") << "exit 3" << 1;
        QTest::newRow("the browser stays") << "exec sleep 30" << 0;
        QTest::newRow("a failure long after the click") << "sleep 1; exit 3" << 0;
    }
    void theDesktopsOpenerIsHeardOut() {
        QFETCH(QString, then);
        QFETCH(int, notices);
        QTemporaryDir bin;
        const QString asked = bin.filePath(QStringLiteral("asked"));
        QFile opener(bin.filePath(QStringLiteral("xdg-open")));
        QVERIFY(opener.open(QIODevice::WriteOnly));
        opener.write(
            QStringLiteral("#!/bin/sh\necho \"$$ $1\" > '%1.part'\nmv '%1.part' '%1'\n%2\n")
                .arg(asked, then)
                .toUtf8());
        opener.close();
        opener.setPermissions(opener.permissions() | QFileDevice::ExeOwner);
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(bin.path()) + ":" + path);
        SystemEnvironment desktop(std::chrono::milliseconds(300)); // the real one, finding it
        fenwa::dspCommon::OpenUrl(desktop, Address);
        qputenv("PATH", path);
        QTRY_VERIFY(QFile::exists(asked));
        QFile said(asked);
        QVERIFY(said.open(QIODevice::ReadOnly));
        const QStringList pidAndAddress = QString::fromUtf8(said.readAll()).trimmed().split(' ');
        QCOMPARE(pidAndAddress.value(1), Address);
        const pid_t pid = pidAndAddress.value(0).toInt();
        if (then.startsWith(QLatin1String("exec"))) {
            QTest::qWait(600); // past the patience
            const bool running = kill(pid, 0) == 0, ownSession = getsid(pid) != getsid(0);
            kill(pid, SIGTERM);
            QVERIFY(running && ownSession);
        } else {
            QTRY_VERIFY(kill(pid, 0) != 0); // ended and reaped
        }
        QCOMPARE(Notices().size(), notices);
        QVERIFY(qApp->findChildren<QProcess*>().isEmpty()); // none that ends it with the program
    }
};

QTEST_MAIN(HelpSourceExitTest)
#include "tst_helpsourceexit.moc"
