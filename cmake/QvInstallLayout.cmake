# Where the installed program's files go (GNU layout under CMAKE_INSTALL_PREFIX), and the
# generated header that tells the program where its read-only files lie relative to its
# executable, so that an installed copy finds them wherever the prefix is (/usr, /usr/local,
# /opt/...), and a copy run from the build folder falls back to the ones built into it.
include(GNUInstallDirs)
set(QV_INSTALL_SHAREDIR ${CMAKE_INSTALL_DATADIR}/quorvane)
file(RELATIVE_PATH QV_SHARE_FROM_BIN
     ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}
     ${CMAKE_INSTALL_PREFIX}/${QV_INSTALL_SHAREDIR})
set(QV_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${CMAKE_CURRENT_LIST_DIR}/InstallLayout.h.in ${QV_GENERATED_DIR}/InstallLayout.h
               @ONLY)
