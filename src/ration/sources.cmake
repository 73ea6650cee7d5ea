list(APPEND SYTOMIR_CORE_SOURCES
    ration/UMy.h ration/UMy.cpp)
list(APPEND SYTOMIR_GUI_SOURCES
    ration/UMainRation.cpp)
