#include "documents/png_export.h"

#include <wincodec.h>

#include <algorithm>

#include "documents/portable/image_export.h"
#include "win/error.h"
#include "win/handles.h"

namespace vantry {
namespace {

void check(HRESULT result) {
    if (FAILED(result)) throw Error(L"The image could not be written. " + systemErrorText(static_cast<DWORD>(result)));
}

// The width TabbedTextOutW gives the line, with tabs at every eight average letters.
// GetTabbedTextExtentW answers in 16 bits, which a line of a few thousand letters
// overflows, so the runs between tabs are measured in 32 bits and the tabs expanded here.
long long lineWidth(HDC dc, std::wstring_view line, int tabWidth) {
    long long width = 0;
    while (!line.empty()) {
        if (line.front() == L'\t') {
            width = (width / tabWidth + 1) * tabWidth;
            line.remove_prefix(1);
            continue;
        }
        const std::wstring_view run = line.substr(0, line.find(L'\t'));
        SIZE size{};
        if (!GetTextExtentPoint32W(dc, run.data(), static_cast<int>(run.size()), &size)) {
            throw Error(L"The image could not be made. " + systemErrorText(GetLastError()));
        }
        width += size.cx;
        line.remove_prefix(run.size());
    }
    return width;
}

// The 32-bit top-down bitmap the lines are drawn on.
struct Canvas {
    int width = 0;
    int height = 0;
    void* bits = nullptr;
    GdiObject<HBITMAP> bitmap;
};

std::string encodePng(const Canvas& canvas) {
    ComPtr<IWICImagingFactory> factory;
    check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_IWICImagingFactory,
                           factory.putVoid()));
    const UINT stride = static_cast<UINT>(canvas.width) * 4;
    ComPtr<IWICBitmap> source;
    check(factory->CreateBitmapFromMemory(
        static_cast<UINT>(canvas.width), static_cast<UINT>(canvas.height), GUID_WICPixelFormat32bppBGR, stride,
        stride * static_cast<UINT>(canvas.height), static_cast<BYTE*>(canvas.bits), source.put()));
    ComPtr<IStream> stream;
    check(CreateStreamOnHGlobal(nullptr, TRUE, stream.put()));
    ComPtr<IWICBitmapEncoder> encoder;
    check(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, encoder.put()));
    check(encoder->Initialize(stream.get(), WICBitmapEncoderNoCache));
    ComPtr<IWICBitmapFrameEncode> frame;
    check(encoder->CreateNewFrame(frame.put(), nullptr));
    check(frame->Initialize(nullptr));
    check(frame->SetSize(static_cast<UINT>(canvas.width), static_cast<UINT>(canvas.height)));
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    check(frame->SetPixelFormat(&format));
    check(frame->WriteSource(source.get(), nullptr));
    check(frame->Commit());
    check(encoder->Commit());

    HGLOBAL memory = nullptr;
    check(GetHGlobalFromStream(stream.get(), &memory));
    STATSTG status{};
    check(stream->Stat(&status, STATFLAG_NONAME));
    const auto* bytes = static_cast<const char*>(GlobalLock(memory));
    if (!bytes) throw Error(L"The image could not be written. " + systemErrorText(GetLastError()));
    std::string png(bytes, static_cast<size_t>(status.cbSize.QuadPart));
    GlobalUnlock(memory);
    return png;
}

}  // namespace

std::string documentPng(const std::vector<std::wstring_view>& lines, HFONT font, COLORREF background, COLORREF text) {
    if (lines.empty()) throw Error(std::wstring(kNothingToExportMessage));
    const HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) throw Error(L"The image could not be made. " + systemErrorText(GetLastError()));
    const UniqueDeviceContext ownedDc(dc);
    const ScopedSelection selectedFont(dc, font);
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    const int tabWidth = std::max(8 * static_cast<int>(metrics.tmAveCharWidth), 1);
    long long width = metrics.tmAveCharWidth;  // lines that are all empty
    for (const std::wstring_view line : lines) width = std::max(width, lineWidth(dc, line, tabWidth));
    const long long height = static_cast<long long>(metrics.tmHeight) * static_cast<long long>(lines.size());
    if (width > kLargestImageSide || height > kLargestImageSide) throw Error(std::wstring(kImageTooLargeMessage));
    Canvas canvas;
    canvas.width = static_cast<int>(width);
    canvas.height = static_cast<int>(height);

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = canvas.width;
    info.bmiHeader.biHeight = -canvas.height;  // top-down, as the encoder reads rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    canvas.bitmap.reset(CreateDIBSection(dc, &info, DIB_RGB_COLORS, &canvas.bits, nullptr, 0));
    if (!canvas.bitmap) throw Error(L"The image could not be made. " + systemErrorText(GetLastError()));
    {
        const ScopedSelection selectedBitmap(dc, canvas.bitmap.get());
        const GdiObject<HBRUSH> fill(CreateSolidBrush(background));
        const RECT all{0, 0, canvas.width, canvas.height};
        FillRect(dc, &all, fill.get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, text);
        int y = 0;
        for (const std::wstring_view line : lines) {
            if (!line.empty()) TabbedTextOutW(dc, 0, y, line.data(), static_cast<int>(line.size()), 0, nullptr, 0);
            y += metrics.tmHeight;
        }
        GdiFlush();
    }
    return encodePng(canvas);
}

}  // namespace vantry
