list(APPEND SYTOMIR_CORE_SOURCES
    catalogue/Catalogue.h catalogue/Catalogue.cpp)
list(APPEND SYTOMIR_GUI_SOURCES
    catalogue/UMainCatalogue.cpp
    catalogue/GrupTree.h catalogue/GrupTree.cpp
    catalogue/UNewProd.h catalogue/UNewProd.cpp catalogue/UNewProd.ui
    catalogue/UNewMera.h catalogue/UNewMera.cpp catalogue/UNewMera.ui
    catalogue/UNewGrup.h catalogue/UNewGrup.cpp catalogue/UNewGrup.ui
    catalogue/ULevelGrup.h catalogue/ULevelGrup.cpp catalogue/ULevelGrup.ui
    catalogue/UNewPodgrup.h catalogue/UNewPodgrup.cpp catalogue/UNewPodgrup.ui)
