# cmake -DPOCZATEK=FILE -DSTRONA=FILE -DWY=FILE -P ZlozStrone.cmake
# Writes the manual page STRONA into WY with POCZATEK before it.
file(READ ${POCZATEK} poczatek)
file(READ ${STRONA} strona)
file(WRITE ${WY} "${poczatek}${strona}")
