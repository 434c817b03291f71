#pragma once

#include "aax_base.h"

class AAX_ICollection;

// The plug-in describes its effects to the host's collection: 0, or what
// failed. Defined by the module's wrapper; ACFRegisterPlugin calls it.
int32_t DescribeEffects(AAX_ICollection* collection);

// The module's seven exports, where the host enters it by name. Each runs
// its work under a guard: any exception becomes kACFUnexpected. Arguments
// that are ignored keep their sizes, since the callee removes them.
extern "C" {
// The number of live objects (instances, editors): 0 when the module may be
// unloaded.
int32_t ACF_EXPORT_CALL ACFCanUnloadNow(IACFUnknown* unused);
// No class factory is offered: null and kAAXNotSupported.
int32_t ACF_EXPORT_CALL ACFGetClassFactory(AAX_Value first, AAX_Value second, AAX_Value third, void** factory);
int32_t ACF_EXPORT_CALL ACFGetSDKVersion(uint64_t* version);
int32_t ACF_EXPORT_CALL ACFRegisterComponent(AAX_Value first, AAX_Value second, uint32_t* answer);
// Describes the plug-in to the host's collection and hands back its
// IID_ACFPluginDefinition interface: 0, the description's own result (with
// definition untouched), or kAAXRefused when the host has no collection or
// the collection refuses that interface.
int32_t ACF_EXPORT_CALL ACFRegisterPlugin(IACFUnknown* host, void** definition);
// Gives up the host services, if there are any.
int32_t ACF_EXPORT_CALL ACFShutdown(IACFUnknown* unused);
// Takes the host services over the host object, unless the module has them
// already.
int32_t ACF_EXPORT_CALL ACFStartup(IACFUnknown* host);
}
