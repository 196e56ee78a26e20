# After an install straight into its prefix, brings the desktop's caches of MIME types,
# menu entries and icons up to date, as the Debian package's triggers do for /usr. A staged
# install (DESTDIR, or CPack's) leaves that to whoever installs the staged files.
if(NOT "$ENV{DESTDIR}" STREQUAL "")
    return()
endif()
set(data ${CMAKE_INSTALL_PREFIX}/${VANTOR_DATA_DESTINATION})
foreach(refresh "update-mime-database;${data}/mime" "update-desktop-database;${data}/applications"
        "gtk-update-icon-cache;--quiet;--ignore-theme-index;${data}/icons/hicolor")
    list(POP_FRONT refresh tool)
    unset(program)
    find_program(program ${tool} NO_CACHE)
    if(program)
        list(GET refresh -1 folder)
        message(STATUS "Refreshing: ${folder}")
        execute_process(COMMAND ${program} ${refresh} OUTPUT_QUIET ERROR_QUIET)
    endif()
endforeach()
