// SPDX-FileCopyrightText: 2026 The fenwa developers
//
// SPDX-License-Identifier: MIT

#include "display/desktop/SystemEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>
#include <utility>

using fenwa::display::SystemEnvironment;

// The settings where an installed program finds them: an administrator's file
// for every user (/etc/xdg/fenwa/fenwa.conf) beneath the user's own
// (~/.config/fenwa/fenwa.conf). The two folders are temporary ones named by
// the XDG variables, which Qt reads once, so main sets them first.
class SettingsTest : public QObject {
    Q_OBJECT

    QString root_;

    QString File(const QString& folder) const {
        return root_ + QLatin1Char('/') + folder + QStringLiteral("/fenwa/fenwa.conf");
    }
    void Write(const QString& folder, const QByteArray& text) {
        QVERIFY(QDir().mkpath(QFileInfo(File(folder)).path()));
        QFile file(File(folder));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(text), text.size());
    }
    QByteArray Read(const QString& folder) const {
        QFile file(File(folder));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

public:
    explicit SettingsTest(QString root) : root_(std::move(root)) {}

private slots:
    // The zoom a classroom's projector wants, for every user, and the user's
    // own over it. A zoom the user chooses is kept in the user's file; the
    // administrator's stays as it was.
    void theUsersZoomStandsOverTheAdministrators() {
        const auto zoom = [] { return SystemEnvironment().Remembered(QStringLiteral("zoom")); };
        const QByteArray preset = "[General]\nzoom=150\n";
        Write(QStringLiteral("etc/xdg"), preset);
        QCOMPARE(zoom(), QStringLiteral("150"));
        Write(QStringLiteral("home/.config"), "[General]\nzoom=125\n");
        QCOMPARE(zoom(), QStringLiteral("125"));
        SystemEnvironment().Remember(QStringLiteral("zoom"), QStringLiteral("200"));
        QCOMPARE(zoom(), QStringLiteral("200"));
        QVERIFY(Read(QStringLiteral("home/.config")).contains("zoom=200"));
        QCOMPARE(Read(QStringLiteral("etc/xdg")), preset);
    }
};

int main(int argc, char* argv[]) {
    QTemporaryDir root;
    if (!root.isValid()) return 1;
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(root.filePath(QStringLiteral("etc/xdg"))));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(root.filePath(QStringLiteral("home/.config"))));
    QCoreApplication application(argc, argv);
    // The names the program starts with, which name the folder of its file.
    QCoreApplication::setOrganizationName(QStringLiteral("fenwa"));
    QCoreApplication::setApplicationName(QStringLiteral("fenwa"));
    SettingsTest test(root.path());
    return QTest::qExec(&test, argc, argv);
}

#include "tst_settings.moc"
