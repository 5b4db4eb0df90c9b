# The menu tree, its layout and drawing, the option handlers and the shipped
# menus file.
frelmory_add_test(NAME menus_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/MenuHandlersTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MenuLayoutTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ClientMenusTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShippedMenusTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ShippedHelpTest.cpp
  LIBS client)
