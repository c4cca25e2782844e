# cmake --install <build> --prefix <P>: the programs in P/bin, their libraries
# and the editor module in P/lib/tessaly, the share
# folder in P/share/tessaly (found from the program's folder, so the tree can
# move), the desktop entry and the icon where desktops look for them.
install(TARGETS tessaly tessaly-standin RUNTIME DESTINATION bin)
# The shared-state libraries and the editor module, found from bin/ as
# ../lib/tessaly (the program's run path and the module's place).
install(TARGETS tessaly_core tessaly_model tessaly_globals tessaly_api tessaly_components tessaly_fontcatalogue
  LIBRARY DESTINATION lib/tessaly)
install(TARGETS tessaly_editor_module LIBRARY DESTINATION lib/tessaly)
install(DIRECTORY ${TESSALY_SHARE_DIR}/ DESTINATION share/tessaly)
install(FILES ${PROJECT_SOURCE_DIR}/resources/desktop/TessalyDeskApp.desktop DESTINATION share/applications)
install(FILES "${PROJECT_SOURCE_DIR}/resources/images/Main_icon 2.svg"
  DESTINATION share/icons/hicolor/scalable/apps RENAME TessalyDeskApp.svg)
