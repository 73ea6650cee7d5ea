list(APPEND SYTOMIR_CORE_SOURCES
    dish/ReadyDish.h dish/ReadyDish.cpp)
list(APPEND SYTOMIR_GUI_SOURCES
    dish/UMainDish.cpp
    dish/UBludo.h dish/UBludo.cpp dish/UBludo.ui
    dish/UPorc.h dish/UPorc.cpp dish/UPorc.ui)
