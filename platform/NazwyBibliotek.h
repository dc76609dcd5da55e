#pragma once
// The file names of the two register libraries the programs load from their
// own folder: the register protocol and the serial-port library. On Windows
// they are the register maker's names, so that the maker's own libraries
// can be put in their place.

namespace orbaklaw {

#ifdef _WIN32
constexpr const char* NazwaBibliotekiKasdrv = "KASDRV.DLL";
constexpr const char* NazwaBibliotekiKomPort = "KomPort.dll";
#else
constexpr const char* NazwaBibliotekiKasdrv = "libkasdrv.so";
constexpr const char* NazwaBibliotekiKomPort = "libkomport.so";
#endif

} // namespace orbaklaw
