# The game client: state machine, handlers, levels, profiles and start-up.
frelmory_add_test(NAME client_fsm_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ClientFSMTest.cpp
    ${CMAKE_CURRENT_LIST_DIR}/StateHandlersTest.cpp
  LIBS client)
frelmory_add_test(NAME client_game_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/GameClientTest.cpp
  LIBS client)
frelmory_add_test(NAME client_main_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ClientMainTest.cpp
  LIBS client)
frelmory_add_test(NAME client_data_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/ShippedClientDataTest.cpp
  LIBS splash_maker)
