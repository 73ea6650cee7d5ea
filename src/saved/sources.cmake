list(APPEND SYTOMIR_GUI_SOURCES
    saved/UMainSaved.cpp)
