# Run by cpack once the files are staged: a .deb without its manual pages, or with its library
# dependencies left uncomputed, would install but fail Debian's checks, so it is not made at all.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()
find_program(EAW_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(NOT EAW_DPKG_SHLIBDEPS)
    message(FATAL_ERROR "dpkg-shlibdeps is missing, so the package's dependencies cannot be computed: "
                        "apt-get install dpkg-dev")
endif()
file(GLOB programs LIST_DIRECTORIES false "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/bin/*")
foreach(program IN LISTS programs)
    get_filename_component(name ${program} NAME)
    if(NOT EXISTS "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/share/man/man1/${name}.1.gz")
        message(FATAL_ERROR "${name} has no manual page: apt-get install help2man, then configure and build again")
    endif()
endforeach()
