#include "appearance/DekoderJpeg.h"

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace orbaklaw {

namespace {

// libjpeg reports fatal errors through error_exit, which must not return.
// We jump back to the decoding step; only libjpeg's own C frames are skipped,
// and the steps below keep no C++ objects alive across the jump.
struct BladJpeg {
    jpeg_error_mgr mgr;
    std::jmp_buf skok;
};

// Progressive files can carry thousands of scans; real pictures have a few.
constexpr int NajwiecejSkanow = 64;

[[noreturn]] void PrzerwijDekodowanie(j_common_ptr info) {
    auto* blad = reinterpret_cast<BladJpeg*>(info->err);
    std::longjmp(blad->skok, 1);
}

// Warnings mean damaged data: we treat them as errors.
void OstrzezenieJpeg(j_common_ptr info, int poziom) {
    if (poziom < 0)
        PrzerwijDekodowanie(info);
}

void BezKomunikatow(j_common_ptr) {}

void SprawdzPostep(j_common_ptr info) {
    if (info->is_decompressor) {
        auto* d = reinterpret_cast<j_decompress_ptr>(info);
        if (d->input_scan_number > NajwiecejSkanow)
            PrzerwijDekodowanie(info);
    }
}

bool WymiaryDozwolone(const jpeg_decompress_struct& info) {
    const long long w = info.output_width;
    const long long h = info.output_height;
    return w > 0 && h > 0 && w <= NajwiekszyBokJpeg && h <= NajwiekszyBokJpeg &&
           w * h <= NajwiecejPikseliJpeg;
}

bool RozpocznijDekodowanie(jpeg_decompress_struct& info, BladJpeg& blad, jpeg_progress_mgr& postep,
                           const uint8_t* dane, size_t rozmiar) {
    if (setjmp(blad.skok))
        return false;
    jpeg_create_decompress(&info);
    info.progress = &postep;
    jpeg_mem_src(&info, dane, static_cast<unsigned long>(rozmiar));
    jpeg_read_header(&info, TRUE);
    info.out_color_space = JCS_RGB;
    jpeg_calc_output_dimensions(&info);
    if (!WymiaryDozwolone(info))
        return false;
    jpeg_start_decompress(&info);
    return info.output_components == 3;
}

bool CzytajWiersze(jpeg_decompress_struct& info, BladJpeg& blad, uchar* bity, qsizetype naWiersz) {
    if (setjmp(blad.skok))
        return false;
    while (info.output_scanline < info.output_height) {
        JSAMPROW wiersz = bity + naWiersz * static_cast<qsizetype>(info.output_scanline);
        if (jpeg_read_scanlines(&info, &wiersz, 1) != 1)
            return false;
    }
    jpeg_finish_decompress(&info);
    return true;
}

} // namespace

QImage DekodujJpeg(const uint8_t* dane, size_t rozmiar) {
    if (dane == nullptr || rozmiar < 4)
        return {};
    jpeg_decompress_struct info{};
    BladJpeg blad{};
    info.err = jpeg_std_error(&blad.mgr);
    blad.mgr.error_exit = PrzerwijDekodowanie;
    blad.mgr.emit_message = OstrzezenieJpeg;
    blad.mgr.output_message = BezKomunikatow;
    jpeg_progress_mgr postep{};
    postep.progress_monitor = SprawdzPostep;

    QImage obraz;
    if (RozpocznijDekodowanie(info, blad, postep, dane, rozmiar)) {
        obraz = QImage(static_cast<int>(info.output_width), static_cast<int>(info.output_height),
                       QImage::Format_RGB888);
        if (obraz.isNull() || !CzytajWiersze(info, blad, obraz.bits(), obraz.bytesPerLine()))
            obraz = QImage();
    }
    jpeg_destroy_decompress(&info);
    return obraz;
}

} // namespace orbaklaw
