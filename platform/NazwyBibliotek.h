#pragma once
// The file names of the two register libraries the programs load from their
// own folder: the register protocol and the serial-port library.

namespace orbaklaw {

constexpr const char* NazwaBibliotekiKasdrv = "libkasdrv.so";
constexpr const char* NazwaBibliotekiKomPort = "libkomport.so";

} // namespace orbaklaw
