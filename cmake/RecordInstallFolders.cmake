# SPDX-License-Identifier: GPL-3.0-or-later
# Runs first in every install: lists the folders the install is about to create, so uninstall removes them.
# The destinations come from the install scripts CMake generated; a folder that already exists belongs to the
# system or to another program and is never listed. The list grows over repeated installs until uninstall.
set(record "${ZORVIK_BINARY_DIR}/install_folders.txt")
set(created)
if(EXISTS "${record}")
    file(STRINGS "${record}" created)
endif()

file(GLOB_RECURSE scripts "${ZORVIK_BINARY_DIR}/cmake_install.cmake")
foreach(script IN LISTS scripts)
    file(STRINGS "${script}" lines REGEX "file\\(INSTALL DESTINATION \"[^\"]+\"")
    foreach(line IN LISTS lines)
        string(REGEX REPLACE ".*file\\(INSTALL DESTINATION \"([^\"]+)\".*" "\\1" destination "${line}")
        string(CONFIGURE "${destination}" destination)
        cmake_path(SET folder NORMALIZE "${destination}")
        string(REGEX REPLACE "(.)/$" "\\1" folder "${folder}")
        # Walk up to the first folder that exists; everything below it is new. Like install_manifest.txt,
        # the list leaves out DESTDIR; uninstall adds it again.
        while(NOT EXISTS "$ENV{DESTDIR}${folder}")
            list(APPEND created "${folder}")
            cmake_path(GET folder PARENT_PATH parent)
            if(parent STREQUAL folder)
                break()
            endif()
            set(folder "${parent}")
        endwhile()
    endforeach()
endforeach()

list(REMOVE_DUPLICATES created)
list(JOIN created "\n" text)
file(WRITE "${record}" "${text}\n")
