# The game's menu tree, its page layout and drawing as 3-D text, and the
# option handlers the menus call.
list(APPEND CLIENT_SOURCES
  ${CMAKE_CURRENT_LIST_DIR}/I_MenuItemChosen.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuBand.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuLayout.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuPos.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MenuMaker.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClientMenus.cpp
)
list(APPEND CLIENT_LIBS shell menu input core)
