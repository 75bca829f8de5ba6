// The module record and the module protocol between the host program and
// the module library. Shared by both sides: the library fills one static
// record and hands it out through GetClientModule; the host writes the
// event code into it and calls the event function.
//
// The integers are 32-bit words; texts and functions are pointers (8 bytes
// here), so the offsets of the original 32-bit layout grow where pointers
// stand. The static asserts below pin the layout down.
#pragma once

#include <cstddef>
#include <cstdint>

extern "C" {

struct Client_Module;

// The hook slots: the module answers true to whatever the host passes.
typedef bool (*Client_HookProc)(struct Client_Module* module, void* data);
// The event function: the host sets nEvent, then calls it.
typedef bool (*Client_EventProc)(struct Client_Module* module);

struct Client_Module {
  int32_t nHostValue;          // read by the host (100)
  const char* pszMaker;        // maker and department (GBK)
  const char* pszCategory;     // first category text (GBK)
  const char* pszCaption;      // module caption, also the menu text (GBK)
  const char* pszCategory2;    // second category text (GBK)
  const char* pszBuildDate;    // "Mmm dd yyyy", the compiler's date
  int32_t nEvent;              // event code, set by the host before each call
  int32_t nReserved1[2];
  int32_t nHostWord;           // tested by event 7
  int32_t nReserved2[6];
  Client_HookProc pfnHook1;
  Client_EventProc pfnEvent;
  Client_HookProc pfnHook2;
  int32_t nReserved3[4];
};

// The module's entry: the address of its one static record.
typedef struct Client_Module* (*GetClientModuleProc)(void);
struct Client_Module* GetClientModule(void);

// Host functions of the module protocol. The host program defines and
// exports them; the library looks them up in the process at call time.
// `type` is the host's parameter type (pointer_type).
bool Client_GetParam(struct Client_Module* module, void** pointer, int type);
bool Client_AddParam(struct Client_Module* module, int32_t value, int type);
bool Module_RegMenuData(struct Client_Module* module, int32_t id, const char* text,
                        int32_t a, int32_t b, int32_t c, int32_t d, int32_t e, int32_t f);

typedef bool (*Client_GetParamProc)(struct Client_Module*, void**, int);
typedef bool (*Client_AddParamProc)(struct Client_Module*, int32_t, int);
typedef bool (*Module_RegMenuDataProc)(struct Client_Module*, int32_t, const char*, int32_t,
                                       int32_t, int32_t, int32_t, int32_t, int32_t);

}  // extern "C"

// Event codes the module acts on.
enum ClientModuleEvent : int32_t {
  kModuleEventOpen = 3,
  kModuleEventGetParams = 4,
  kModuleEventAddParams = 7,
  kModuleEventRegisterMenu = 11,
};

// The module identifier passed to the host.
constexpr int32_t kModuleId = 520101;

static_assert(sizeof(int32_t) == 4);
#if UINTPTR_MAX == 0xFFFFFFFFFFFFFFFFu
static_assert(sizeof(void*) == 8);
static_assert(offsetof(Client_Module, nHostValue) == 0);
static_assert(offsetof(Client_Module, pszMaker) == 8);
static_assert(offsetof(Client_Module, pszCategory) == 16);
static_assert(offsetof(Client_Module, pszCaption) == 24);
static_assert(offsetof(Client_Module, pszCategory2) == 32);
static_assert(offsetof(Client_Module, pszBuildDate) == 40);
static_assert(offsetof(Client_Module, nEvent) == 48);
static_assert(offsetof(Client_Module, nReserved1) == 52);
static_assert(offsetof(Client_Module, nHostWord) == 60);
static_assert(offsetof(Client_Module, nReserved2) == 64);
static_assert(offsetof(Client_Module, pfnHook1) == 88);
static_assert(offsetof(Client_Module, pfnEvent) == 96);
static_assert(offsetof(Client_Module, pfnHook2) == 104);
static_assert(offsetof(Client_Module, nReserved3) == 112);
static_assert(sizeof(Client_Module) == 128);
#else
// The original 32-bit layout: 23 words, 92 bytes.
static_assert(offsetof(Client_Module, nEvent) == 24);
static_assert(offsetof(Client_Module, nHostWord) == 36);
static_assert(offsetof(Client_Module, pfnHook1) == 64);
static_assert(offsetof(Client_Module, pfnEvent) == 68);
static_assert(offsetof(Client_Module, pfnHook2) == 72);
static_assert(sizeof(Client_Module) == 92);
#endif
