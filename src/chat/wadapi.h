/* The chat client's automation library.
 *
 * The program talks to the chat client only through these entry points. Texts
 * are zero-terminated strings in the client's single-byte code page
 * (Windows-1252). Every call reports its outcome through the status callback;
 * the status texts the program acts on are "0" (done), "" (done), "-1"
 * (failed), "6" (busy, try again) and "10" (not registered, register again).
 * The callbacks run on the thread that calls the library, inside a call or
 * while that thread's event loop runs.
 */
#ifndef WADAPI_H
#define WADAPI_H

#include <stdint.h>

#ifdef _WIN32
#define WADAPI_CALL __stdcall
#else
#define WADAPI_CALL
#endif

/* Callers declare the entry points plainly, not as imports: the same code
 * links the scripted library of the tests, the program's loader of the chat
 * client's own library, and the stand-in's DLL through its import library. */
#if defined(_WIN32) && defined(WADAPI_BUILDING)
#define WADAPI_EXPORT __declspec(dllexport)
#elif defined(_WIN32)
#define WADAPI_EXPORT
#elif defined(__GNUC__)
#define WADAPI_EXPORT __attribute__((visibility("default")))
#else
#define WADAPI_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef void(WADAPI_CALL *WadapiStatusCallback)(const char *status);
typedef void(WADAPI_CALL *WadapiMessageCallback)(const char *text, int16_t value, const char *extra);
typedef void(WADAPI_CALL *WadapiTextCallback)(const char *transcript);

/* Opens the link to the chat client. Zero means the link is up. */
WADAPI_EXPORT int16_t WADAPI_CALL InitDDE(const char *appName, WadapiStatusCallback onStatus,
                                          WadapiMessageCallback onMessage, WadapiTextCallback onText);

/* Closes the link; no other entry point is called afterwards. */
WADAPI_EXPORT int16_t WADAPI_CALL KillDDE(void);

/* Registers the program with the chat client again. */
WADAPI_EXPORT int16_t WADAPI_CALL DapiRegister(const char *appName);

/* Says the text in the room (mode 0) or sends it as ESP to the target avatar (mode 2). */
WADAPI_EXPORT int16_t WADAPI_CALL DapiCommunicate(const char *appName, int16_t mode, const char *target,
                                                  const char *text);

/* Delivers the chat window's whole text through the text callback. */
WADAPI_EXPORT int16_t WADAPI_CALL DapiGetAllText(const char *appName);

#ifdef __cplusplus
}
#endif

#endif /* WADAPI_H */
