# Installs, compressed, the manual pages that the help generator has written into the
# build folder; a build without them installs none.
foreach(page ${VANTOR_MANUAL_PAGES})
    if(NOT EXISTS ${page})
        continue()
    endif()
    get_filename_component(name ${page} NAME)
    file(MAKE_DIRECTORY ${VANTOR_MANUAL_STAGE})
    execute_process(COMMAND gzip -9 -n -c ${page} OUTPUT_FILE ${VANTOR_MANUAL_STAGE}/${name}.gz
        RESULT_VARIABLE status)
    if(NOT status EQUAL 0)
        message(FATAL_ERROR "Cannot compress ${page}")
    endif()
    file(INSTALL ${VANTOR_MANUAL_STAGE}/${name}.gz
        DESTINATION ${CMAKE_INSTALL_PREFIX}/${VANTOR_MANUAL_DESTINATION})
endforeach()
