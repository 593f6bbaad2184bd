# Read by cpack for each generator. The Debian package is a shared install
# and takes every component; an archive is a private copy that a user
# unpacks anywhere, so it leaves out the shared-install marker.
if(CPACK_GENERATOR MATCHES "^(TGZ|TXZ|TBZ2|ZIP|7Z)$")
    set(CPACK_ARCHIVE_COMPONENT_INSTALL ON)
    set(CPACK_COMPONENTS_GROUPING ALL_COMPONENTS_IN_ONE)
    set(CPACK_COMPONENTS_ALL programs)
    # bin/, lib/tessara/ and share/ straight under the archive's own folder.
    set(CPACK_PACKAGING_INSTALL_PREFIX "")
endif()
