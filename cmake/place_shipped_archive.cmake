# Puts the archive generated from data/draws.csv beside the binaries, unless an archive with draws is
# already there: that one is the user's and may hold newer or hand-entered draws.
# Usage: cmake -DSOURCE=<generated archive> -DTARGET=<bin>/dovovuduv.dat -P place_shipped_archive.cmake
if(EXISTS "${TARGET}")
  file(SIZE "${TARGET}" existing_size)
  if(existing_size GREATER 0)
    return()
  endif()
endif()
file(COPY_FILE "${SOURCE}" "${TARGET}.part")
file(RENAME "${TARGET}.part" "${TARGET}")
