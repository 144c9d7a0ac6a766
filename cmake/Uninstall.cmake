# SPDX-License-Identifier: GPL-3.0-or-later
# The uninstall target: removes each file of the last install's manifest, then the folders that install created.
# Usage: cmake -D MANIFEST=<install_manifest.txt> -D FOLDERS=<install_folders.txt> -P Uninstall.cmake
# Both lists leave out DESTDIR; give the install's DESTDIR again to remove a staged install.
if(NOT EXISTS "${MANIFEST}")
    message(FATAL_ERROR "Nothing to uninstall: ${MANIFEST} does not exist (it is written by cmake --install).")
endif()

file(STRINGS "${MANIFEST}" files)
list(TRANSFORM files PREPEND "$ENV{DESTDIR}")
foreach(file IN LISTS files)
    if(EXISTS "${file}" OR IS_SYMLINK "${file}")
        message(STATUS "Removing ${file}")
        file(REMOVE "${file}")
        if(EXISTS "${file}")
            message(FATAL_ERROR "Could not remove ${file}")
        endif()
    else()
        message(STATUS "Already gone: ${file}")
    endif()
endforeach()

# Deepest folders first, so a folder is empty by the time its parent is looked at. A folder that still holds
# something not installed by us is kept.
if(EXISTS "${FOLDERS}")
    file(STRINGS "${FOLDERS}" folders)
    list(TRANSFORM folders PREPEND "$ENV{DESTDIR}")
    list(SORT folders)
    list(REVERSE folders)
    foreach(folder IN LISTS folders)
        if(NOT IS_DIRECTORY "${folder}")
            continue()
        endif()
        file(GLOB entries LIST_DIRECTORIES true "${folder}/*" "${folder}/.*")
        if(entries)
            message(STATUS "Keeping ${folder}: it holds files that were not installed from here")
        else()
            message(STATUS "Removing ${folder}/")
            file(REMOVE_RECURSE "${folder}")
        endif()
    endforeach()
    file(REMOVE "${FOLDERS}")
endif()
