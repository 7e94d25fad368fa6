#include "qtcef/src/network/request_context_impl.h"

#include "qtcef/src/network/cookie_manager_impl.h"
#include "qtcef/src/network/profile.h"
#include "qtcef/src/process/engine.h"
#include "qtcef/src/process/post_task.h"
#include "qtcef/src/runtime/string_util.h"

namespace qtcef {

namespace {

RequestContextImpl* Impl(CefRefPtr<CefRequestContext> context) {
  return static_cast<RequestContextImpl*>(context.get());
}

// A new context tells its handler that it is ready from the event loop, as
// CEF does.
CefRefPtr<CefRequestContext> Announce(CefRefPtr<RequestContextImpl> context) {
  if (CefRefPtr<CefRequestContextHandler> handler = context->GetHandler()) {
    PostTask([handler, context] {
      handler->OnRequestContextInitialized(context.get());
    });
  }
  return context.get();
}

}  // namespace

void PostCompletion(CefRefPtr<CefCompletionCallback> callback) {
  if (callback)
    PostTask([callback] { callback->OnComplete(); });
}

RequestContextImpl::RequestContextImpl(
    std::shared_ptr<Profile> profile,
    CefRefPtr<CefRequestContextHandler> handler,
    bool global)
    : profile_(profile), handler_(handler), global_(global) {}

RequestContextImpl::~RequestContextImpl() {
  // The last reference may go on any thread.
  ReleaseOnMainThread(std::move(profile_));
}

bool RequestContextImpl::IsSame(CefRefPtr<CefRequestContext> other) {
  return other.get() == this;
}

bool RequestContextImpl::IsSharingWith(CefRefPtr<CefRequestContext> other) {
  return other && Impl(other)->profile_ == profile_;
}

bool RequestContextImpl::IsGlobal() {
  return global_;
}

CefRefPtr<CefRequestContextHandler> RequestContextImpl::GetHandler() {
  return handler_;
}

CefString RequestContextImpl::GetCachePath() {
  return ToCefString(profile_->path());
}

CefRefPtr<CefCookieManager> RequestContextImpl::GetDefaultCookieManager(
    CefRefPtr<CefCompletionCallback> callback) {
  PostCompletion(callback);
  return new CookieManagerImpl(profile_);
}

bool RequestContextImpl::RegisterSchemeHandlerFactory(
    const CefString&,
    const CefString&,
    CefRefPtr<CefSchemeHandlerFactory>) {
  return false;
}

bool RequestContextImpl::ClearSchemeHandlerFactories() {
  return true;
}

void RequestContextImpl::PurgePluginListCache(bool) {}

bool RequestContextImpl::HasPreference(const CefString& name) {
  return profile_->preferences().Has(name);
}

CefRefPtr<CefValue> RequestContextImpl::GetPreference(const CefString& name) {
  return profile_->preferences().Get(name);
}

CefRefPtr<CefDictionaryValue> RequestContextImpl::GetAllPreferences(
    bool include_defaults) {
  return profile_->preferences().GetAll(include_defaults);
}

bool RequestContextImpl::CanSetPreference(const CefString& name) {
  return profile_->preferences().CanSet(name);
}

bool RequestContextImpl::SetPreference(const CefString& name,
                                       CefRefPtr<CefValue> value,
                                       CefString& error) {
  std::string reason;
  if (!profile_->preferences().Set(name, value, &reason)) {
    error = reason;
    return false;
  }
  profile_->ApplyPreferences();
  return true;
}

void RequestContextImpl::ClearCertificateExceptions(
    CefRefPtr<CefCompletionCallback> callback) {
  PostCompletion(callback);
}

void RequestContextImpl::CloseAllConnections(
    CefRefPtr<CefCompletionCallback> callback) {
  PostCompletion(callback);
}

void RequestContextImpl::ResolveHost(const CefString&,
                                     CefRefPtr<CefResolveCallback>) {}

cef_errorcode_t RequestContextImpl::ResolveHostCached(
    const CefString&,
    std::vector<CefString>& resolved_ips) {
  resolved_ips.clear();
  return ERR_FAILED;
}

void RequestContextImpl::LoadExtension(const CefString&,
                                       CefRefPtr<CefDictionaryValue>,
                                       CefRefPtr<CefExtensionHandler>) {}

bool RequestContextImpl::DidLoadExtension(const CefString&) {
  return false;
}

bool RequestContextImpl::HasExtension(const CefString&) {
  return false;
}

bool RequestContextImpl::GetExtensions(std::vector<CefString>& extension_ids) {
  extension_ids.clear();
  return false;
}

CefRefPtr<CefExtension> RequestContextImpl::GetExtension(const CefString&) {
  return nullptr;
}

}  // namespace qtcef

CefRefPtr<CefRequestContext> CefRequestContext::GetGlobalContext() {
  qtcef::Engine* engine = qtcef::Engine::Get();
  return engine ? engine->global_context().get() : nullptr;
}

CefRefPtr<CefRequestContext> CefRequestContext::CreateContext(
    const CefRequestContextSettings& settings,
    CefRefPtr<CefRequestContextHandler> handler) {
  qtcef::Engine* engine = qtcef::Engine::Get();
  if (!engine)
    return nullptr;
  qtcef::ProfileOptions options;
  options.path = qtcef::ToQString(settings.cache_path);
  options.persist_session_cookies = settings.persist_session_cookies;
  options.persist_user_preferences = settings.persist_user_preferences;
  // Any thread may ask, as in CEF; the profile is made on the UI thread.
  CefRefPtr<CefRequestContext> context;
  qtcef::RunOnMainThread([&] {
    // One folder holds one profile: the global one where the paths agree.
    std::shared_ptr<qtcef::Profile> global =
        engine->global_context()->profile();
    std::shared_ptr<qtcef::Profile> profile =
        !options.path.isEmpty() && options.path == global->path()
            ? global
            : qtcef::Profile::Create(options);
    context =
        qtcef::Announce(new qtcef::RequestContextImpl(profile, handler, false));
  });
  return context;
}

CefRefPtr<CefRequestContext> CefRequestContext::CreateContext(
    CefRefPtr<CefRequestContext> other,
    CefRefPtr<CefRequestContextHandler> handler) {
  if (!other || !qtcef::Engine::Get())
    return nullptr;
  // Without a handler of its own, a context sharing the global one is the
  // global one, as in CEF.
  if (other->IsGlobal() && !handler)
    return other;
  CefRefPtr<CefRequestContext> context;
  qtcef::RunOnMainThread([&] {
    context = qtcef::Announce(new qtcef::RequestContextImpl(
        qtcef::Impl(other)->profile(), handler, false));
  });
  return context;
}
