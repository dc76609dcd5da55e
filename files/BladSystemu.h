#pragma once
// The reasons the system gives for a failed file operation, in Polish
// (Windows-1250) for the ones a user meets; the system's own text otherwise.

#include <string>

namespace orbaklaw {

// The reason for an errno value.
std::string OpisBleduSystemu(int numer);

// The program's own reasons for refusing a file.
std::string OpisNieZwyklegoPliku();  // a device, a FIFO, a socket
std::string OpisZaDuzegoPliku();     // larger than any valid file of its kind
std::string OpisPlikuDoOdczytu();    // a read-only file is not replaced
std::string OpisCzekaniaNaDane();    // a read that would wait for data
std::string OpisZaDlugiegoOdczytu(); // a read beyond its time bound

} // namespace orbaklaw
