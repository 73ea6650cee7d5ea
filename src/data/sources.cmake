list(APPEND SYTOMIR_CORE_SOURCES
    data/UDM.h data/UDM.cpp
    data/UnicodeLike.h data/UnicodeLike.cpp)
