// Letting Little CMS give up building a transform, which it has no way of its own to do.
#include "picture/colour/abandonable_builds.h"

#include <lcms2_plugin.h>

#include <atomic>

namespace platform::qt {

namespace {

// A table whose every point costs more than this to work out is hostile: real profiles cost a few
// hundred at most, a table of hundreds of steps tens of thousands.
constexpr cmsUInt32Number kOrdinaryCost = 2000;

constexpr cmsStageSignature kAbandonableStage = static_cast<cmsStageSignature>(0x70786162);  // 'pxab'

std::atomic<bool> abandoning{false};

cmsUInt32Number costOf(const cmsPipeline* pipeline)
{
    cmsUInt32Number cost = 0;
    for (const cmsStage* stage = cmsPipelineGetPtrToFirstStage(pipeline); stage; stage = cmsStageNext(stage)) {
        const cmsUInt32Number in = cmsStageInputChannels(stage);
        const cmsUInt32Number out = cmsStageOutputChannels(stage);
        // A table's point mixes the corners of the cell around it: two to the power of its inputs.
        cost += cmsStageType(stage) == cmsSigCLutElemType ? out << in : in * out;
    }
    return cost;
}

void evaluate(const cmsFloat32Number in[], cmsFloat32Number out[], const cmsStage* stage)
{
    const auto* pipeline = static_cast<const cmsPipeline*>(cmsStageData(stage));
    if (!abandoning.load(std::memory_order_relaxed)) {
        cmsPipelineEvalFloat(in, out, pipeline);
        return;
    }
    for (cmsUInt32Number c = 0; c < cmsPipelineOutputChannels(pipeline); ++c)
        out[c] = 0;
}

void* duplicate(cmsStage* stage)
{
    return cmsPipelineDup(static_cast<const cmsPipeline*>(cmsStageData(stage)));
}

void release(cmsStage* stage)
{
    cmsPipelineFree(static_cast<cmsPipeline*>(cmsStageData(stage)));
}

// Little CMS builds a transform by working out its pipeline at every point of a grid: a costly
// pipeline is wrapped in one step that stops working it out once abandoned, and the built-in
// optimisations that follow go on with the wrapped one.
cmsBool wrapCostly(cmsPipeline** pipeline, cmsUInt32Number, cmsUInt32Number*, cmsUInt32Number*, cmsUInt32Number*)
{
    if (costOf(*pipeline) <= kOrdinaryCost)
        return FALSE;
    const cmsContext context = cmsGetPipelineContextID(*pipeline);
    const cmsUInt32Number in = cmsPipelineInputChannels(*pipeline);
    const cmsUInt32Number out = cmsPipelineOutputChannels(*pipeline);
    cmsPipeline* wrapped = cmsPipelineAlloc(context, in, out);
    cmsStage* stage = wrapped ? _cmsStageAllocPlaceholder(context, kAbandonableStage, in, out, &evaluate, &duplicate,
                                                          &release, *pipeline)
                              : nullptr;
    if (!stage) {
        if (wrapped)
            cmsPipelineFree(wrapped);
        return FALSE;
    }
    // The stage takes the pipeline in: a step of matching channels always goes in.
    cmsPipelineInsertStage(wrapped, cmsAT_END, stage);
    *pipeline = wrapped;
    return FALSE;
}

}  // namespace

void letColourBuildsBeAbandoned()
{
    static cmsPluginOptimization plugin = {{cmsPluginMagicNumber, 2000, cmsPluginOptimizationSig, nullptr},
                                           &wrapCostly};
    cmsPlugin(&plugin);
}

void abandonColourBuilds()
{
    abandoning = true;
}

}  // namespace platform::qt
