# SPDX-FileCopyrightText: 2026 The fenwa developers
#
# SPDX-License-Identifier: MIT

# Packs the program's sources into a zip archive under one top folder, in two
# steps run by the build (cmake -P):
#
#   -DSTEP=state  writes to STATE which sources the archive is to hold, and
#                 leaves the file untouched when that has not changed, so the
#                 archive is packed again only when it must be
#   -DSTEP=pack   packs what STATE names into ARCHIVE, under PREFIX/
#
# Where SOURCE_DIR is the top of a git work tree, the archive holds exactly the
# files of the commit checked out (git archive). Elsewhere, in an unpacked
# archive for instance, it holds the tree without build output, stamped with
# DATE so that the same tree always gives the same archive.
#
# Other variables: BINARY_DIR (the build tree, never packed), GIT and ZIP (the
# programs, either may be empty).
cmake_minimum_required(VERSION 3.25)

# Zip archives keep local times: packed in UTC, they are the same everywhere.
set(ENV{TZ} UTC)

# The commit checked out, when SOURCE_DIR is the top of a git work tree: an
# unpacked archive that happens to lie inside another repository is not one.
function(checked_out_commit result)
    set(${result} "" PARENT_SCOPE)
    if(NOT GIT)
        return()
    endif()
    execute_process(COMMAND ${GIT} -C ${SOURCE_DIR} rev-parse --show-toplevel HEAD
        OUTPUT_VARIABLE lines RESULT_VARIABLE failed ERROR_QUIET
        OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(failed)
        return()
    endif()
    string(REPLACE "\n" ";" lines "${lines}")
    list(GET lines 0 top)
    list(GET lines 1 commit)
    file(REAL_PATH ${top} top)
    file(REAL_PATH ${SOURCE_DIR} source)
    if(top STREQUAL source)
        set(${result} ${commit} PARENT_SCOPE)
    endif()
endfunction()

# The files of the tree, sorted, without what .gitignore leaves out (build
# trees, compile_commands.json, .cache) and without any other build tree.
function(tree_files result)
    file(REAL_PATH ${BINARY_DIR} binary)
    file(GLOB entries LIST_DIRECTORIES true RELATIVE ${SOURCE_DIR}
        ${SOURCE_DIR}/* ${SOURCE_DIR}/.*)
    set(files)
    foreach(entry IN LISTS entries)
        set(path ${SOURCE_DIR}/${entry})
        file(REAL_PATH ${path} real)
        if(entry MATCHES "^(\\.\\.?|\\.git|\\.cache|compile_commands\\.json)$"
            OR (entry MATCHES "^build" AND IS_DIRECTORY ${path})
            OR real STREQUAL binary OR EXISTS ${path}/CMakeCache.txt)
            continue()
        endif()
        if(IS_DIRECTORY ${path} AND NOT IS_SYMLINK ${path})
            file(GLOB_RECURSE inside LIST_DIRECTORIES false RELATIVE ${SOURCE_DIR} ${path}/*)
            list(FILTER inside EXCLUDE REGEX "(^|/)\\.cache/")
            list(APPEND files ${inside})
        else()
            list(APPEND files ${entry})
        endif()
    endforeach()
    list(SORT files)
    set(${result} ${files} PARENT_SCOPE)
endfunction()

if(STEP STREQUAL "state")
    checked_out_commit(commit)
    if(commit)
        set(state "commit ${commit}\n")
    else()
        # Each file with its size and time, so that an edit packs anew.
        tree_files(files)
        set(state "")
        foreach(file IN LISTS files)
            file(SIZE ${SOURCE_DIR}/${file} size)
            file(TIMESTAMP ${SOURCE_DIR}/${file} time "%s" UTC)
            string(APPEND state "file ${size} ${time} ${file}\n")
        endforeach()
    endif()
    set(old "")
    if(EXISTS ${STATE})
        file(READ ${STATE} old)
    endif()
    if(NOT state STREQUAL old)
        file(WRITE ${STATE} "${state}")
    endif()
    return()
endif()

if(NOT STEP STREQUAL "pack")
    message(FATAL_ERROR "STEP must be state or pack")
endif()

file(STRINGS ${STATE} state)
set(partial ${ARCHIVE}.part)
file(REMOVE ${partial})
if(state MATCHES "^commit ([0-9a-f]+)$")
    execute_process(COMMAND ${GIT} -C ${SOURCE_DIR} archive --format=zip --prefix=${PREFIX}/
        -o ${partial} ${CMAKE_MATCH_1}
        COMMAND_ERROR_IS_FATAL ANY)
else()
    if(NOT ZIP)
        message(FATAL_ERROR "Packing the sources outside git needs zip (apt-get install zip)")
    endif()
    # A copy of the tree with every time set to DATE, packed without the extra
    # fields that would record owners and access times.
    set(stage ${ARCHIVE}.stage)
    file(REMOVE_RECURSE ${stage})
    set(list "")
    foreach(line IN LISTS state)
        string(REGEX REPLACE "^file [0-9]+ [0-9]+ " "" file "${line}")
        get_filename_component(folder ${stage}/${PREFIX}/${file} DIRECTORY)
        file(COPY ${SOURCE_DIR}/${file} DESTINATION ${folder})
        string(APPEND list "${PREFIX}/${file}\n")
    endforeach()
    file(WRITE ${stage}.list "${list}")
    execute_process(COMMAND find ${PREFIX} -exec touch -h -d "${DATE} 00:00:00" {} +
        WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
    execute_process(COMMAND ${ZIP} -q -X -D -9 ${partial} -@
        INPUT_FILE ${stage}.list WORKING_DIRECTORY ${stage} COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${stage} ${stage}.list)
endif()
file(RENAME ${partial} ${ARCHIVE})
