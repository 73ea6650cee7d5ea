list(APPEND SYTOMIR_CORE_SOURCES
    app/Errors.h app/Errors.cpp
    app/Numbers.h app/Numbers.cpp
    app/NumberInput.h app/NumberInput.cpp
    app/Paths.h app/Paths.cpp)
list(APPEND SYTOMIR_GUI_SOURCES
    app/Application.h app/Application.cpp
    app/Forms.h app/Forms.cpp
    app/Anchors.h app/Anchors.cpp
    app/Redraw.h
    app/ListView.h app/ListView.cpp
    app/KeyPress.h app/KeyPress.cpp
    app/UMain.h app/UMain.cpp app/UMain.ui
    app/UMessage.h app/UMessage.cpp app/UMessage.ui
    app/UDialog.h app/UDialog.cpp app/UDialog.ui)
