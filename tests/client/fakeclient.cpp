// A chat client's library for the loader's tests: it answers every call at
// once and tells through the callbacks which call it got. Built several
// times, with its entry points named in each way a library may name them,
// and once without DapiGetAllText.
#include "chat/wadapi.h"

namespace {
WadapiStatusCallback g_status = nullptr;
WadapiTextCallback g_text = nullptr;
} // namespace

extern "C" {

WADAPI_EXPORT int16_t WADAPI_CALL InitDDE(const char *, WadapiStatusCallback onStatus, WadapiMessageCallback,
                                          WadapiTextCallback onText)
{
    g_status = onStatus;
    g_text = onText;
    return 0;
}

WADAPI_EXPORT int16_t WADAPI_CALL KillDDE(void)
{
    g_status = nullptr;
    g_text = nullptr;
    return 0;
}

WADAPI_EXPORT int16_t WADAPI_CALL DapiRegister(const char *)
{
    return 0;
}

WADAPI_EXPORT int16_t WADAPI_CALL DapiCommunicate(const char *, int16_t mode, const char *target, const char *text)
{
    // Echoes what it was asked to say, so a test sees the arguments arrive.
    if (g_status)
        g_status(mode == 2 ? target : text);
    return 0;
}

#ifndef FAKE_CLIENT_WITHOUT_GET_ALL_TEXT
WADAPI_EXPORT int16_t WADAPI_CALL DapiGetAllText(const char *appName)
{
    if (g_text)
        g_text(appName);
    return 0;
}
#endif
}
