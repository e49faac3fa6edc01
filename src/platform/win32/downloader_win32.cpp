#include "platform/win32/downloader_win32.h"

#include <windows.h>
#include <urlmon.h>

#include <cstring>

#include "platform/win32/wide.h"

namespace dozorik::win32 {
namespace {

// COM for the calling thread while a download runs. A thread that already
// has COM in another model keeps it, and is not uninitialised by us.
class ComScope {
 public:
  ComScope() : initialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
  ~ComScope() {
    if (initialised_) CoUninitialize();
  }
  ComScope(const ComScope&) = delete;
  ComScope& operator=(const ComScope&) = delete;

 private:
  bool initialised_;
};

// Lives on the stack for one synchronous download, so its reference count
// only has to be kept, never acted on. Its one job is to ask for a fresh
// copy from the server and to keep the answer out of the cache.
class FreshBinding : public IBindStatusCallback {
 public:
  FreshBinding() = default;
  FreshBinding(const FreshBinding&) = delete;
  FreshBinding& operator=(const FreshBinding&) = delete;
  virtual ~FreshBinding() = default;

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (!object) return E_POINTER;
    if (IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IBindStatusCallback)) {
      *object = static_cast<IBindStatusCallback*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override { return --references_; }

  HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD* flags, BINDINFO* info) override {
    *flags = BINDF_GETNEWESTVERSION | BINDF_NOWRITECACHE | BINDF_PRAGMA_NO_CACHE;
    if (info) {
      const ULONG size = info->cbSize;
      std::memset(info, 0, size);
      info->cbSize = size;
      info->dwBindVerb = BINDVERB_GET;
    }
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD, IBinding*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnProgress(ULONG, ULONG, ULONG, LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT, LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

 private:
  ULONG references_ = 1;
};

}  // namespace

bool Win32Downloader::download(const std::string& url, const std::string& localFile) {
  ComScope com;
  FreshBinding binding;
  return URLDownloadToFileW(nullptr, widen(url).c_str(), widen(localFile).c_str(), 0, &binding) ==
         S_OK;
}

}  // namespace dozorik::win32
