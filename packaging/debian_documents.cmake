# The copyright file in Debian's machine-readable format, with a paragraph for each font
# embedded into the program, and the changelog Debian reads the package's history from.

# Text as the continuation lines of a field: each line indented, an empty line as ".".
function(vantor_field_lines text out)
    string(STRIP "${text}" text)
    set(previous "")
    while(NOT text STREQUAL previous)
        set(previous "${text}")
        string(REGEX REPLACE "\n[ \t]*\n" "\n.\n" text "${text}")
    endwhile()
    string(REPLACE "\n" "\n " text "${text}")
    set(${out} " ${text}" PARENT_SCOPE)
endfunction()

set(VANTOR_FONT_COPYRIGHTS "")
set(roboto_mono ${VANTOR_EMBEDDED_FONTS})
list(FILTER roboto_mono INCLUDE REGEX "/RobotoMono_[^/]*\\.ttf$")
set(roboto_mono_licence ${PROJECT_SOURCE_DIR}/ui/resources/fonts/OFL.txt)
if(roboto_mono AND EXISTS ${roboto_mono_licence})
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${roboto_mono_licence})
    file(READ ${roboto_mono_licence} licence)
    string(REGEX MATCH "Copyright ([^\n]*)" notice "${licence}")
    vantor_field_lines("${licence}" licence_lines)
    string(APPEND VANTOR_FONT_COPYRIGHTS "
Files: ui/resources/fonts/RobotoMono_*.ttf
Copyright: ${CMAKE_MATCH_1}
Comment: Roboto Mono, the editor's face, embedded into vantor-calculator.
License: OFL-1.1
${licence_lines}
")
endif()
set(open_sans ${VANTOR_EMBEDDED_FONTS})
list(FILTER open_sans INCLUDE REGEX "/OpenSans-[^/]*\\.ttf$")
if(open_sans)
    list(TRANSFORM open_sans REPLACE ".*/" "")
    list(JOIN open_sans " " open_sans_files)
    string(APPEND VANTOR_FONT_COPYRIGHTS "
Files: ${open_sans_files}
Copyright: Digitized data copyright (c) 2010-2011, Google Corporation.
Comment: Open Sans, the dialogs' face, embedded into vantor-calculator from Debian's
 fonts-open-sans package (see Built-Using).
License: Apache-2.0
 On Debian systems the full text of the Apache License, Version 2.0, is in
 /usr/share/common-licenses/Apache-2.0.
")
endif()
configure_file(copyright.in copyright @ONLY)

execute_process(COMMAND date -u -R -d ${VANTOR_RELEASE_DATE}
    OUTPUT_VARIABLE VANTOR_RELEASE_TIME OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
configure_file(changelog.in changelog @ONLY)
execute_process(COMMAND gzip -9 -n -c ${CMAKE_CURRENT_BINARY_DIR}/changelog
    OUTPUT_FILE ${CMAKE_CURRENT_BINARY_DIR}/changelog.gz COMMAND_ERROR_IS_FATAL ANY)
