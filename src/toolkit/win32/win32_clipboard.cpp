// The binding's clipboard: every form at once, so that other programs find the text as
// Unicode text with CR LF line ends and the picture as a DIB and as PNG (the registered "PNG"
// format, which many programs take before a DIB); the program's own form goes
// under a format registered by its type name, its length first: the system may round the size
// of what it holds up. Only the DIB is read back: a picture from another program is untrusted,
// and the DIB is checked here byte for byte.
#include "toolkit/win32/win32_binding.h"
#include "toolkit/windows/system_functions.h"
#include "toolkit/windows/wide_text.h"

#include <wincodec.h>
#include <wrl/client.h>

#include <cstring>

namespace toolkit::win32 {
namespace {

// Another program may hold the clipboard for a moment.
bool open_clipboard(HWND owner) {
    for (int attempt = 0; attempt < 20; ++attempt) {
        if (OpenClipboard(owner)) return true;
        Sleep(10);
    }
    return false;
}

bool put(UINT format, const void* data, size_t size) {
    const HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, std::max<size_t>(size, 1));
    if (!memory) return false;
    std::memcpy(GlobalLock(memory), data, size);
    GlobalUnlock(memory);
    if (SetClipboardData(format, memory)) return true;
    GlobalFree(memory);
    return false;
}

std::vector<uint8_t> taken(UINT format) {
    const HANDLE memory = GetClipboardData(format);
    const auto* bytes = memory ? static_cast<const uint8_t*>(GlobalLock(memory)) : nullptr;
    if (!bytes) return {};
    std::vector<uint8_t> copy(bytes, bytes + GlobalSize(memory));
    GlobalUnlock(memory);
    return copy;
}

std::wstring with_crlf(const std::string& text) {
    std::wstring wide;
    for (const wchar_t c : windows::wide_text(text)) {
        if (c == L'\n' && (wide.empty() || wide.back() != L'\r')) wide += L'\r';
        wide += c;
    }
    return wide;
}

std::string without_cr(std::wstring text) {
    text.resize(std::min(text.size(), text.find(L'\0')));
    std::erase(text, L'\r');
    return windows::utf8_text(text);
}

// A 32-bit bottom-up DIB: a header and the rows, last row first.
std::vector<uint8_t> dib_of(const PixelBuffer& picture) {
    const BITMAPINFOHEADER header{.biSize = sizeof header,
                                  .biWidth = picture.width,
                                  .biHeight = picture.height,
                                  .biPlanes = 1,
                                  .biBitCount = 32,
                                  .biCompression = BI_RGB};
    std::vector<uint8_t> dib(sizeof header + picture.pixels.size() * 4);
    std::memcpy(dib.data(), &header, sizeof header);
    const size_t row_bytes = size_t(picture.width) * 4;
    for (int y = 0; y < picture.height; ++y)
        std::memcpy(dib.data() + sizeof header + size_t(picture.height - 1 - y) * row_bytes,
                    picture.row(y), row_bytes);
    return dib;
}

// The picture as PNG, made by the system's imaging component; nothing when that is missing.
std::vector<uint8_t> png_of(const PixelBuffer& picture) {
    using Microsoft::WRL::ComPtr;
    static const auto create =
        windows::system_function<decltype(CoCreateInstance)>(L"ole32.dll", "CoCreateInstance");
    static const auto create_stream = windows::system_function<decltype(CreateStreamOnHGlobal)>(
        L"ole32.dll", "CreateStreamOnHGlobal");
    static const auto global_of = windows::system_function<decltype(GetHGlobalFromStream)>(
        L"ole32.dll", "GetHGlobalFromStream");
    if (!create || !create_stream || !global_of || !windows::start_com()) return {};
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IStream> memory;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    if (FAILED(create(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                      IID_PPV_ARGS(&factory))) ||
        FAILED(create_stream(nullptr, TRUE, &memory)) ||
        FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) ||
        FAILED(encoder->Initialize(memory.Get(), WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(&frame, &options)) ||
        FAILED(frame->Initialize(options.Get())) ||
        FAILED(frame->SetSize(UINT(picture.width), UINT(picture.height))))
        return {};
    // 24-bit colour, the form every encoder takes as it is (not every one takes 32-bit without
    // alpha).
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    const UINT stride = UINT(picture.width) * 3;
    std::vector<BYTE> pixels(size_t(stride) * size_t(picture.height));
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        const Pixel pixel = picture.pixels[i];
        pixels[i * 3] = BYTE(pixel);
        pixels[i * 3 + 1] = BYTE(pixel >> 8);
        pixels[i * 3 + 2] = BYTE(pixel >> 16);
    }
    if (FAILED(frame->SetPixelFormat(&format)) || format != GUID_WICPixelFormat24bppBGR ||
        FAILED(
            frame->WritePixels(UINT(picture.height), stride, UINT(pixels.size()), pixels.data())) ||
        FAILED(frame->Commit()) || FAILED(encoder->Commit()))
        return {};
    STATSTG facts{};
    HGLOBAL global = nullptr;
    if (FAILED(memory->Stat(&facts, STATFLAG_NONAME)) || FAILED(global_of(memory.Get(), &global)))
        return {};
    const auto* bytes = static_cast<const uint8_t*>(GlobalLock(global));
    if (!bytes) return {};
    std::vector<uint8_t> png(bytes, bytes + facts.cbSize.QuadPart);
    GlobalUnlock(global);
    return png;
}

// 24- and 32-bit DIBs, either way up; anything else (or anything that does not add up) is no
// picture.
PixelBuffer picture_of(const std::vector<uint8_t>& dib) {
    BITMAPINFOHEADER header{};
    if (dib.size() < sizeof header) return {};
    std::memcpy(&header, dib.data(), sizeof header);
    const bool bitfields = header.biCompression == BI_BITFIELDS && header.biBitCount == 32;
    if ((header.biBitCount != 24 && header.biBitCount != 32) ||
        (header.biCompression != BI_RGB && !bitfields) || header.biSize < sizeof header ||
        header.biWidth <= 0 || header.biWidth > 16384 || header.biHeight == 0 ||
        header.biHeight < -16384 || header.biHeight > 16384)
        return {};
    const int width = header.biWidth, height = std::abs(header.biHeight);
    const size_t bytes_per_pixel = header.biBitCount / 8u;
    const size_t row_bytes = (size_t(width) * bytes_per_pixel + 3) & ~size_t(3);
    const size_t start = header.biSize + (bitfields && header.biSize == sizeof header ? 12 : 0);
    if (dib.size() < start || (dib.size() - start) / row_bytes < size_t(height)) return {};
    PixelBuffer picture(width, height, 0);
    for (int y = 0; y < height; ++y) {
        const int source_row = header.biHeight > 0 ? height - 1 - y : y;
        const uint8_t* in = dib.data() + start + size_t(source_row) * row_bytes;
        for (int x = 0; x < width; ++x, in += bytes_per_pixel)
            picture.row(y)[x] = Pixel(in[0] | in[1] << 8 | in[2] << 16);
    }
    return picture;
}

} // namespace

bool Win32Binding::set_clipboard(const ClipboardData& data) {
    // Made before the clipboard is opened: other programs wait while it is.
    const std::vector<uint8_t> png =
        data.picture.pixels.empty() ? std::vector<uint8_t>() : png_of(data.picture);
    if (!open_clipboard(helper_)) return false;
    bool all = EmptyClipboard();
    if (!data.text.empty()) {
        const std::wstring text = with_crlf(data.text);
        all = put(CF_UNICODETEXT, text.c_str(), (text.size() + 1) * sizeof(wchar_t)) && all;
    }
    if (!data.picture.pixels.empty()) {
        const std::vector<uint8_t> dib = dib_of(data.picture);
        all = put(CF_DIB, dib.data(), dib.size()) && all;
        // A second form of the same picture: without it the DIB still carries it.
        if (const UINT png_format = RegisterClipboardFormatW(L"PNG"); png_format && !png.empty())
            put(png_format, png.data(), png.size());
    }
    if (!data.own_type.empty()) {
        const UINT own = RegisterClipboardFormatW(windows::wide_text(data.own_type).c_str());
        std::vector<uint8_t> counted(4);
        const auto length = uint32_t(data.own_bytes.size());
        std::memcpy(counted.data(), &length, 4);
        counted.insert(counted.end(), data.own_bytes.begin(), data.own_bytes.end());
        all = own && put(own, counted.data(), counted.size()) && all;
    }
    CloseClipboard();
    return all;
}

ClipboardData Win32Binding::get_clipboard(const std::string& own_type) {
    ClipboardData held{.own_type = own_type};
    if (!open_clipboard(helper_)) return held;
    const UINT own = RegisterClipboardFormatW(windows::wide_text(own_type).c_str());
    if (own && IsClipboardFormatAvailable(own)) {
        const std::vector<uint8_t> counted = taken(own);
        uint32_t length = 0;
        if (counted.size() >= 4) std::memcpy(&length, counted.data(), 4);
        if (counted.size() >= 4 && counted.size() - 4 >= length)
            held.own_bytes.assign(counted.begin() + 4, counted.begin() + 4 + length);
    }
    if (IsClipboardFormatAvailable(CF_UNICODETEXT)) {
        const std::vector<uint8_t> bytes = taken(CF_UNICODETEXT);
        std::wstring text(bytes.size() / sizeof(wchar_t), L'\0');
        std::memcpy(text.data(), bytes.data(), text.size() * sizeof(wchar_t));
        held.text = without_cr(std::move(text));
    }
    if (IsClipboardFormatAvailable(CF_DIB)) held.picture = picture_of(taken(CF_DIB));
    CloseClipboard();
    return held;
}

} // namespace toolkit::win32
