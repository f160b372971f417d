# Puts the first configuration file beside the program unless one is there:
# the user's settings are never overwritten by a build.
if(NOT EXISTS "${ZIEL}/margin.INI")
  file(COPY "${QUELLE}/margin.INI" DESTINATION "${ZIEL}")
endif()
