list(APPEND SYTOMIR_GUI_SOURCES
    dish/UMainDish.cpp)
