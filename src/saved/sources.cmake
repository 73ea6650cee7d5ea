list(APPEND SYTOMIR_CORE_SOURCES
    saved/SavedRations.h saved/SavedRations.cpp)
list(APPEND SYTOMIR_GUI_SOURCES
    saved/UMainSaved.cpp
    saved/USaveRacion.h saved/USaveRacion.cpp saved/USaveRacion.ui)
