list(APPEND SYTOMIR_CORE_SOURCES
    ration/UMy.h ration/UMy.cpp
    ration/RacionList.h ration/RacionList.cpp)
list(APPEND SYTOMIR_GUI_SOURCES
    ration/UMainRation.cpp
    ration/UpDown.h ration/UpDown.cpp
    ration/UVvod.h ration/UVvod.cpp ration/UVvod.ui)
