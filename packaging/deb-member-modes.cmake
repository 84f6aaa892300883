# SPDX-License-Identifier: GPL-3.0-or-later
# Run by cpack on each package it has made (CPACK_POST_BUILD_SCRIPTS).
# CPack gives the three members of a .deb (debian-binary, control.tar.gz,
# data.tar.gz) the modes their files were written with, which the builder's
# umask decides; dpkg-deb always writes 0644. This sets the mode field of
# each member's ar header to 0644, in place, and checks the result.
foreach(package IN LISTS CPACK_PACKAGE_FILES)
    if(NOT package MATCHES "\\.deb$")
        continue()
    endif()
    file(READ "${package}" magic LIMIT 8 HEX)
    if(NOT magic STREQUAL "213c617263683e0a") # "!<arch>\n"
        message(FATAL_ERROR "${package} is not an ar archive")
    endif()
    file(SIZE "${package}" size)
    set(mode_file "${package}.mode")
    file(WRITE "${mode_file}" "100644  ")
    file(READ "${mode_file}" mode_0644 HEX)
    set(offset 8)
    set(members 0)
    while(offset LESS size)
        # An ar header: name 16 bytes, mtime 12, uid 6, gid 6, mode 8 (octal),
        # size 10 (decimal), "`\n" 2. Read as hex: ASCII digit d is "3d",
        # a space "20".
        file(READ "${package}" header OFFSET ${offset} LIMIT 60 HEX)
        string(SUBSTRING "${header}" 80 16 mode)
        string(SUBSTRING "${header}" 96 20 length)
        string(SUBSTRING "${header}" 116 4 trailer)
        if(NOT trailer STREQUAL "600a" OR NOT mode MATCHES "^3130303[0-7]3[0-7]3[0-7]2020$"
           OR NOT length MATCHES "^(3[0-9])+(20)*$")
            message(FATAL_ERROR "${package}: no regular member's ar header at byte ${offset}")
        endif()
        string(REGEX REPLACE "(20)+$" "" length "${length}")
        string(REGEX REPLACE "3([0-9])" "\\1" length "${length}")
        if(NOT mode STREQUAL "${mode_0644}")
            math(EXPR field "${offset} + 40")
            execute_process(COMMAND dd "of=${package}" bs=1 seek=${field} conv=notrunc status=none
                            INPUT_FILE "${mode_file}" COMMAND_ERROR_IS_FATAL ANY)
            file(READ "${package}" mode OFFSET ${field} LIMIT 8 HEX)
            if(NOT mode STREQUAL "${mode_0644}")
                message(FATAL_ERROR "${package}: the mode at byte ${field} is still ${mode} (hex)")
            endif()
        endif()
        math(EXPR members "${members} + 1")
        # Each member's data is padded to an even length.
        math(EXPR offset "${offset} + 60 + ${length} + ${length} % 2")
    endwhile()
    file(REMOVE "${mode_file}")
    if(NOT offset EQUAL size OR NOT members EQUAL 3)
        message(FATAL_ERROR "${package}: ${members} members ending at byte ${offset} of ${size}")
    endif()
endforeach()
