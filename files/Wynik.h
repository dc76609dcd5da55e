#pragma once
// What a routine that can fail gives back: its value, or the reason it could
// not be had. Below the window nothing is thrown across a folder: a failure
// travels as one of these to the front end, which tells the user (the window
// in its messages, orbaklaw-cli in its messages and exit code).

#include <optional>
#include <utility>
#include <variant>

namespace orbaklaw {

template <typename T, typename TBlad> class [[nodiscard]] Wynik {
public:
    Wynik(T wartosc) : v_(std::in_place_index<0>, std::move(wartosc)) {}
    Wynik(TBlad blad) : v_(std::in_place_index<1>, std::move(blad)) {}

    bool Udany() const { return v_.index() == 0; }
    explicit operator bool() const { return Udany(); }

    // Only on success.
    T& operator*() & { return std::get<0>(v_); }
    const T& operator*() const& { return std::get<0>(v_); }
    T&& operator*() && { return std::get<0>(std::move(v_)); }
    T* operator->() { return &std::get<0>(v_); }
    const T* operator->() const { return &std::get<0>(v_); }

    // Only on failure.
    const TBlad& Blad() const { return std::get<1>(v_); }

    // A success that gave `wartosc`.
    friend bool operator==(const Wynik& w, const T& wartosc) { return w.Udany() && *w == wartosc; }

private:
    std::variant<T, TBlad> v_;
};

// A routine that gives nothing but can fail.
template <typename TBlad> class [[nodiscard]] Wynik<void, TBlad> {
public:
    Wynik() = default;
    Wynik(TBlad blad) : blad_(std::move(blad)) {}

    bool Udany() const { return !blad_; }
    explicit operator bool() const { return Udany(); }

    // Only on failure.
    const TBlad& Blad() const { return *blad_; }

private:
    std::optional<TBlad> blad_;
};

} // namespace orbaklaw
