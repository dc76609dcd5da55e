#include "platform/SciezkaProgramu.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <string>

namespace orbaklaw::platform {
namespace {

constexpr const char* Tytul = "orbaklaw sonda jednej kopii";

// A running probe; ended (if still running) and closed with the object.
class Sonda {
public:
    explicit Sonda(const std::string& argument) {
        const auto program = SciezkaProgramu().parent_path() / SONDA;
        std::wstring linia = L"\"" + program.wstring() + L"\" \"" +
                             std::wstring(argument.begin(), argument.end()) + L"\"";
        STARTUPINFOW si{};
        si.cb = sizeof si;
        uruchomiona_ = ::CreateProcessW(program.c_str(), linia.data(), nullptr, nullptr, FALSE, 0,
                                        nullptr, nullptr, &si, &pi_) != 0;
    }
    ~Sonda() {
        if (!uruchomiona_)
            return;
        if (::WaitForSingleObject(pi_.hProcess, 0) == WAIT_TIMEOUT)
            ::TerminateProcess(pi_.hProcess, 99);
        ::CloseHandle(pi_.hThread);
        ::CloseHandle(pi_.hProcess);
    }
    Sonda(const Sonda&) = delete;
    Sonda& operator=(const Sonda&) = delete;

    bool Uruchomiona() const { return uruchomiona_; }
    // The exit code once it ended within 20 s; 259 (still active) otherwise.
    DWORD Koniec() const {
        DWORD kod = STILL_ACTIVE;
        ::WaitForSingleObject(pi_.hProcess, 20000);
        ::GetExitCodeProcess(pi_.hProcess, &kod);
        return kod;
    }

private:
    PROCESS_INFORMATION pi_{};
    bool uruchomiona_ = false;
};

// Wine makes windows only with a display to show them on (Xvfb will do).
bool OknaMozliwe() {
    HWND okno =
        ::CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
    if (okno)
        ::DestroyWindow(okno);
    return okno != nullptr;
}

TEST(JedynaKopia, SecondCopyRestoresTheFirstCopysWindowAndEnds) {
    if (!OknaMozliwe())
        GTEST_SKIP() << "no window can be made here (Wine without a display): run under xvfb-run";
    HANDLE gotowa = ::CreateEventA(nullptr, TRUE, FALSE, "orbaklaw-sonda-gotowa");
    ASSERT_NE(gotowa, nullptr);
    Sonda pierwsza(Tytul);
    ASSERT_TRUE(pierwsza.Uruchomiona());
    ASSERT_EQ(::WaitForSingleObject(gotowa, 20000), WAIT_OBJECT_0);
    ::CloseHandle(gotowa);
    HWND okno = ::FindWindowA("TApplication", Tytul);
    ASSERT_NE(okno, nullptr);
    EXPECT_TRUE(::IsIconic(okno));

    Sonda druga(Tytul);
    EXPECT_EQ(druga.Koniec(), 3u);
    EXPECT_FALSE(::IsIconic(okno));
    Sonda tylkoMuteks("--guard");
    EXPECT_EQ(tylkoMuteks.Koniec(), 5u);

    ::PostMessageA(okno, WM_CLOSE, 0, 0);
    EXPECT_EQ(pierwsza.Koniec(), 0u);
    // The mutex went with the first copy: the next copy is a first one.
    Sonda potem("--guard");
    EXPECT_EQ(potem.Koniec(), 0u);
}

} // namespace
} // namespace orbaklaw::platform
