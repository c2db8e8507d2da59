# Fails when a core library links the toolkit or sees its headers.
file(READ "${LINKS}" links)
if(links MATCHES "Qt|qt6|Widgets")
  message(FATAL_ERROR "A core library depends on the toolkit:\n${links}")
endif()
if(NOT links MATCHES "rotalo_model")
  message(FATAL_ERROR "The list of core libraries is empty:\n${links}")
endif()
message(STATUS "Core libraries are toolkit-free:\n${links}")
