// The sample books of samples/, written by scripts/make_samples.py from one
// story: the same text in each encoding, CR LF line ends throughout.
#pragma once

namespace tq::e2e {

struct SampleBook {
    const wchar_t* file_name;
    int line_count;  // lines the reader loads; make_samples.py checks it
};

constexpr int kSampleLineCount = 230;

constexpr SampleBook kSampleGbk{L"样书-GBK.txt", kSampleLineCount};
constexpr SampleBook kSampleUtf8Bom{L"样书-UTF8-BOM.txt", kSampleLineCount};
constexpr SampleBook kSampleUtf8{L"样书-UTF8.txt", kSampleLineCount};
constexpr SampleBook kSampleUtf16Le{L"样书-UTF16LE.txt", kSampleLineCount};

constexpr SampleBook kSampleBooks[] = {kSampleGbk, kSampleUtf8Bom, kSampleUtf8, kSampleUtf16Le};

}  // namespace tq::e2e
