# The Debian package made by "cpack -G DEB": its control fields, the library dependencies
# from dpkg-shlibdeps, and the fonts embedded from Debian's own packages in Built-Using.
# The MIME, icon and menu caches are brought up to date by the file triggers of
# shared-mime-info, hicolor-icon-theme and desktop-file-utils on the folders it fills.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantor-calculator)
set(CPACK_PACKAGE_VENDOR Vantor)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${VANTOR_PACKAGE_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY ${VANTOR_SUMMARY})
set(CPACK_PACKAGE_DESCRIPTION_FILE ${VANTOR_DESCRIPTION_FILE})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VANTOR_HOMEPAGE_URL})
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads the SVG icon engine as a plugin, which dpkg-shlibdeps cannot see.
set(CPACK_DEBIAN_PACKAGE_DEPENDS libqt6svg6)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# Each embedded font that a Debian package installed, by that package's source and version.
set(built_using)
foreach(font ${VANTOR_EMBEDDED_FONTS})
    execute_process(COMMAND dpkg-query --search ${font}
        OUTPUT_VARIABLE owner RESULT_VARIABLE status ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
    if(status EQUAL 0)
        string(REGEX REPLACE ":.*" "" owner "${owner}")
        execute_process(COMMAND dpkg-query --show "--showformat=\${source:Package} (= \${source:Version})" ${owner}
            OUTPUT_VARIABLE source COMMAND_ERROR_IS_FATAL ANY)
        list(APPEND built_using "${source}")
    endif()
endforeach()
list(REMOVE_DUPLICATES built_using)
list(JOIN built_using ", " CPACK_VANTOR_BUILT_USING)
if(CPACK_VANTOR_BUILT_USING)
    set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/add_built_using.cmake)
endif()

include(CPack)
