# Installs the manual pages that the help generator wrote into the build folder,
# compressed as Debian keeps them.
foreach(page ${VANTOR_MANUAL_PAGES})
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
