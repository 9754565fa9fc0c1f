// PNG pictures on Windows, read and written by the system's own codec (Windows Imaging
// Component): the one reader of untrusted pictures there, kept up to date with the system.
#include "files/png_file.h"

// windows.h first: the other system headers need its types.
#include <windows.h>

#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>

using Microsoft::WRL::ComPtr;

namespace {

constexpr uint8_t signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

// A function of COM, loaded with the first picture rather than imported, so that the program
// does not load COM at start for pictures it may never read. Only from the system folder.
template <typename Function> Function* comFunction(const char* name) {
    const HMODULE ole = LoadLibraryExW(L"ole32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    const FARPROC found = ole ? GetProcAddress(ole, name) : nullptr;
    return reinterpret_cast<Function*>(reinterpret_cast<void (*)()>(found));
}

// COM on this thread, started once; a thread that has it already goes on with its own.
void startCom() {
    thread_local const bool started = [] {
        static const auto initialize = comFunction<decltype(CoInitializeEx)>("CoInitializeEx");
        return initialize && SUCCEEDED(initialize(nullptr, COINIT_APARTMENTTHREADED));
    }();
    (void)started;
}

ComPtr<IWICImagingFactory> imagingFactory() {
    static const auto create = comFunction<decltype(CoCreateInstance)>("CoCreateInstance");
    ComPtr<IWICImagingFactory> factory;
    startCom();
    if (create)
        create(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory));
    return factory;
}

} // namespace

bool isPng(std::span<const uint8_t> file) {
    return file.size() >= sizeof signature &&
           std::equal(signature, std::end(signature), file.data());
}

PictureReading decodePng(std::span<const uint8_t> file) {
    PictureReading reading;
    if (!isPng(file)) {
        reading.problem = "it is no PNG picture";
        return reading;
    }
    const ComPtr<IWICImagingFactory> factory = imagingFactory();
    ComPtr<IWICStream> stream;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    UINT width = 0, height = 0;
    if (!factory || FAILED(factory->CreateStream(&stream)) ||
        FAILED(stream->InitializeFromMemory(const_cast<BYTE*>(file.data()),
                                            static_cast<DWORD>(file.size()))) ||
        FAILED(factory->CreateDecoder(GUID_ContainerFormatPng, nullptr, &decoder)) ||
        FAILED(decoder->Initialize(stream.Get(), WICDecodeMetadataCacheOnDemand)) ||
        FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&width, &height))) {
        reading.problem = "it is a damaged PNG picture";
        return reading;
    }
    if (width > UINT(largestPictureSide) || height > UINT(largestPictureSide)) {
        reading.problem =
            "it is larger than " + std::to_string(largestPictureSide) + " pixels on a side";
        return reading;
    }
    // Every kind of PNG becomes 8-bit colour with straight alpha, which is then dropped: a
    // transparent pixel keeps its colour. (Not 24-bit colour at once: Wine's converter makes it
    // only from colour pictures, and Windows' makes 32-bit from every kind.)
    ComPtr<IWICFormatConverter> converter;
    const UINT stride = width * 4;
    std::vector<BYTE> pixels(size_t(stride) * height);
    if (FAILED(factory->CreateFormatConverter(&converter)) ||
        FAILED(converter->Initialize(frame.Get(), GUID_WICPixelFormat32bppBGRA,
                                     WICBitmapDitherTypeNone, nullptr, 0,
                                     WICBitmapPaletteTypeCustom)) ||
        FAILED(converter->CopyPixels(nullptr, stride, UINT(pixels.size()), pixels.data()))) {
        reading.problem = "it is a damaged PNG picture";
        return reading;
    }
    reading.picture.width = int(width);
    reading.picture.height = int(height);
    reading.picture.pixels.resize(size_t(width) * height);
    for (size_t i = 0; i < reading.picture.pixels.size(); ++i) {
        const BYTE* bgra = &pixels[i * 4];
        reading.picture.pixels[i] = Color(bgra[2] | bgra[1] << 8 | bgra[0] << 16);
    }
    return reading;
}

std::vector<uint8_t> encodePng(const Picture& picture) {
    const ComPtr<IWICImagingFactory> factory = imagingFactory();
    ComPtr<IStream> memory;
    ComPtr<IWICBitmapEncoder> encoder;
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    static const auto createStream =
        comFunction<decltype(CreateStreamOnHGlobal)>("CreateStreamOnHGlobal");
    static const auto globalOf =
        comFunction<decltype(GetHGlobalFromStream)>("GetHGlobalFromStream");
    if (!factory || !createStream || !globalOf || FAILED(createStream(nullptr, TRUE, &memory)) ||
        FAILED(factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder)) ||
        FAILED(encoder->Initialize(memory.Get(), WICBitmapEncoderNoCache)) ||
        FAILED(encoder->CreateNewFrame(&frame, &options)) ||
        FAILED(frame->Initialize(options.Get())) ||
        FAILED(frame->SetSize(UINT(picture.width), UINT(picture.height))))
        return {};
    WICPixelFormatGUID format = GUID_WICPixelFormat24bppBGR;
    const UINT stride = UINT(picture.width) * 3;
    std::vector<BYTE> pixels(size_t(stride) * size_t(picture.height));
    for (size_t i = 0; i < picture.pixels.size(); ++i) {
        pixels[i * 3] = BYTE(picture.pixels[i] >> 16);
        pixels[i * 3 + 1] = BYTE(picture.pixels[i] >> 8);
        pixels[i * 3 + 2] = BYTE(picture.pixels[i]);
    }
    if (FAILED(frame->SetPixelFormat(&format)) || format != GUID_WICPixelFormat24bppBGR ||
        FAILED(
            frame->WritePixels(UINT(picture.height), stride, UINT(pixels.size()), pixels.data())) ||
        FAILED(frame->Commit()) || FAILED(encoder->Commit()))
        return {};
    STATSTG facts{};
    HGLOBAL global = nullptr;
    if (FAILED(memory->Stat(&facts, STATFLAG_NONAME)) || FAILED(globalOf(memory.Get(), &global)))
        return {};
    const auto* bytes = static_cast<const uint8_t*>(GlobalLock(global));
    std::vector<uint8_t> out(bytes, bytes + facts.cbSize.QuadPart);
    GlobalUnlock(global);
    return out;
}
