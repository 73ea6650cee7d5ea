list(APPEND SYTOMIR_GUI_SOURCES
    catalogue/UMainCatalogue.cpp)
