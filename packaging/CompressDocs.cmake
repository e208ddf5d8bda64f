# Run by cpack on the staged files: Debian wants manual pages and the changelog compressed, with
# no name or time stamp inside, so that a rebuild gives the same bytes.
file(GLOB_RECURSE OVALIS_DOCS
     ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/man/man1/*.1
     ${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*/share/doc/ovalis/changelog)
foreach(doc ${OVALIS_DOCS})
    execute_process(COMMAND gzip -9nf ${doc} COMMAND_ERROR_IS_FATAL ANY)
endforeach()
