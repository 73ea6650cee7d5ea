# Puts the files the program expects beside the executable. KKAL.mdb and setting.ini hold the
# user's diary and choices: they are written only when none is there yet.
file(MAKE_DIRECTORY ${BIN_DIR})
if(NOT EXISTS ${BIN_DIR}/KKAL.mdb)
    file(COPY_FILE ${SHIPPED_DB} ${BIN_DIR}/KKAL.mdb)
endif()
if(NOT EXISTS ${BIN_DIR}/setting.ini)
    file(COPY_FILE ${RESOURCES}/setting.ini ${BIN_DIR}/setting.ini)
endif()
foreach(name "Справка.html" "1.xls")
    if(EXISTS ${RESOURCES}/${name})
        file(COPY_FILE ${RESOURCES}/${name} ${BIN_DIR}/${name} ONLY_IF_DIFFERENT)
    endif()
endforeach()
