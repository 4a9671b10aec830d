# Copies SRC to DST unless DST exists: the shipped cfg.ini never overwrites one the user has edited.
if(NOT EXISTS "${DST}")
    file(COPY_FILE "${SRC}" "${DST}")
endif()
