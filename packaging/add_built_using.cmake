# Run by CPack after it made the package: adds the Built-Using field, which CPack's
# generator does not write, to the control file of each package.
foreach(package ${CPACK_PACKAGE_FILES})
    set(tree ${package}.tree)
    file(REMOVE_RECURSE ${tree})
    execute_process(COMMAND dpkg-deb --raw-extract ${package} ${tree} COMMAND_ERROR_IS_FATAL ANY)
    file(READ ${tree}/DEBIAN/control control)
    string(REPLACE "\nDescription:" "\nBuilt-Using: ${CPACK_VANTOR_BUILT_USING}\nDescription:" control "${control}")
    file(WRITE ${tree}/DEBIAN/control "${control}")
    execute_process(COMMAND dpkg-deb --root-owner-group --build ${tree} ${package}
        OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
    file(REMOVE_RECURSE ${tree})
endforeach()
