// Writes an ICC profile made with Little CMS to standard output, or with --on-root as the screen's
// profile onto the X root window: sRGB, Adobe RGB (1998), sRGB with its red and green swapped, or
// sRGB that is slow to build a transform with.
#include <lcms2.h>
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

// xprop sets at most 64 numbers, far fewer than a profile has.
bool putOnRoot(const std::vector<char>& bytes)
{
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        return false;
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 0, 12, "_ICC_PROFILE"), nullptr);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const bool put = atom && !xcb_request_check(connection, xcb_change_property_checked(
                                                                connection, XCB_PROP_MODE_REPLACE, root, atom->atom,
                                                                XCB_ATOM_CARDINAL, 8, bytes.size(), bytes.data()));
    std::free(atom);
    xcb_disconnect(connection);
    return put;
}

}  // namespace

int main(int argc, char* argv[])
{
    const char* kind = argc >= 2 ? argv[1] : "";
    const bool onRoot = argc == 3 && std::strcmp(argv[2], "--on-root") == 0;
    const cmsCIExyY white{0.3127, 0.3290, 1.0};
    const double srgbCurve[] = {2.4, 1 / 1.055, 0.055 / 1.055, 1 / 12.92, 0.04045};
    cmsHPROFILE profile = nullptr;
    if (std::strcmp(kind, "srgb") == 0) {
        profile = cmsCreate_sRGBProfile();
    } else if (std::strcmp(kind, "adobe-rgb") == 0 || std::strcmp(kind, "swapped") == 0) {
        const bool adobe = kind[0] == 'a';
        const cmsCIExyYTRIPLE primaries = adobe ? cmsCIExyYTRIPLE{{0.64, 0.33, 1}, {0.21, 0.71, 1}, {0.15, 0.06, 1}}
                                                : cmsCIExyYTRIPLE{{0.30, 0.60, 1}, {0.64, 0.33, 1}, {0.15, 0.06, 1}};
        cmsToneCurve* curve =
            adobe ? cmsBuildGamma(nullptr, 563.0 / 256) : cmsBuildParametricToneCurve(nullptr, 4, srgbCurve);
        cmsToneCurve* curves[] = {curve, curve, curve};
        profile = cmsCreateRGBProfile(&white, &primaries, curves);
        cmsFreeToneCurve(curve);
    } else if (std::strcmp(kind, "slow") == 0) {
        // Each way through a table of thousands of steps that change nothing: sound, and minutes of
        // work for Little CMS to build a transform with.
        profile = cmsCreate_sRGBProfile();
        cmsPipeline* table = cmsPipelineAlloc(nullptr, 3, 3);
        float corners[2 * 2 * 2 * 3];
        for (int i = 0; i < 24; ++i)
            corners[i] = static_cast<float>((i / 3 >> (2 - i % 3)) & 1);
        for (int step = 0; step < 8000; ++step)
            cmsPipelineInsertStage(table, cmsAT_END, cmsStageAllocCLutFloat(nullptr, 2, 3, 3, corners));
        cmsWriteTag(profile, cmsSigDToB0Tag, table);
        cmsWriteTag(profile, cmsSigBToD0Tag, table);
        cmsPipelineFree(table);
    } else {
        std::fprintf(stderr, "usage: %s srgb|adobe-rgb|swapped|slow [--on-root]\n", argv[0]);
        return 2;
    }
    cmsUInt32Number size = 0;
    cmsSaveProfileToMem(profile, nullptr, &size);
    std::vector<char> bytes(size);
    cmsSaveProfileToMem(profile, bytes.data(), &size);
    cmsCloseProfile(profile);
    return (onRoot ? putOnRoot(bytes) : std::fwrite(bytes.data(), 1, bytes.size(), stdout) == bytes.size()) ? 0 : 1;
}
