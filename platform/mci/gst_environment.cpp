#include "platform/mci/gst_environment.h"

#include <gst/gst.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <mutex>

namespace {

bool UseFakeAudioFromEnvironment() {
    const char* value = std::getenv("TAVRIN_AUDIO_SINK");
    return value != nullptr && std::strcmp(value, "fake") == 0;
}

// True when the automatic sink finds a real output. Without a device it may pick a fake sink of
// its own, which does not keep to the clock, so that case counts as no device too.
bool ProbeAudioDevice() {
    GstElement* sink = gst_element_factory_make("autoaudiosink", nullptr);
    if (sink == nullptr) return false;
    gst_object_ref_sink(sink);
    bool real = gst_element_set_state(sink, GST_STATE_READY) != GST_STATE_CHANGE_FAILURE;
    if (real && GST_IS_BIN(sink)) {
        GstIterator* children = gst_bin_iterate_elements(GST_BIN(sink));
        GValue item = G_VALUE_INIT;
        while (gst_iterator_next(children, &item) == GST_ITERATOR_OK) {
            GstElement* child = GST_ELEMENT(g_value_get_object(&item));
            GstElementFactory* factory = gst_element_get_factory(child);
            const char* name =
                factory != nullptr ? gst_plugin_feature_get_name(GST_PLUGIN_FEATURE(factory)) : "";
            if (std::strcmp(name, "fakesink") == 0 || std::strcmp(name, "fakeaudiosink") == 0)
                real = false;
            g_value_reset(&item);
        }
        g_value_unset(&item);
        gst_iterator_free(children);
    }
    gst_element_set_state(sink, GST_STATE_NULL);
    gst_object_unref(sink);
    return real;
}

GstElement* MakeFakeSink() {
    GstElement* sink = gst_element_factory_make("fakesink", nullptr);
    if (sink != nullptr) g_object_set(sink, "sync", TRUE, nullptr);
    return sink;
}

void PreferFluidsynthForMidi() {
    GstElementFactory* fluid = gst_element_factory_find("fluiddec");
    if (fluid == nullptr) return;
    // Other MIDI decoders need instrument sets the suite does not install.
    if (GstElementFactory* wildmidi = gst_element_factory_find("wildmididec")) {
        gst_plugin_feature_set_rank(GST_PLUGIN_FEATURE(wildmidi), GST_RANK_NONE);
        gst_object_unref(wildmidi);
    }
    if (gst_plugin_feature_get_rank(GST_PLUGIN_FEATURE(fluid)) < GST_RANK_PRIMARY) {
        gst_plugin_feature_set_rank(GST_PLUGIN_FEATURE(fluid), GST_RANK_PRIMARY);
    }
    gst_object_unref(fluid);
}

}  // namespace

bool EnsureGstInitialized() {
    static const bool ok = [] {
        GError* error = nullptr;
        if (!gst_init_check(nullptr, nullptr, &error)) {
            if (error != nullptr) g_error_free(error);
            return false;
        }
        GstElementFactory* playbin = gst_element_factory_find("playbin");
        if (playbin == nullptr) return false;
        gst_object_unref(playbin);
        PreferFluidsynthForMidi();
        return true;
    }();
    return ok;
}

GstElement* MakeAudioSink() {
    static const bool fake = UseFakeAudioFromEnvironment() || !ProbeAudioDevice();
    if (fake) return MakeFakeSink();
    GstElement* sink = gst_element_factory_make("autoaudiosink", nullptr);
    return sink != nullptr ? sink : MakeFakeSink();
}

const std::string& GeneralMidiSoundFont() {
    static const std::string path = [] {
        const char* candidates[] = {
            "/usr/share/sounds/sf2/FluidR3_GM.sf2",
            "/usr/share/sounds/sf2/default-GM.sf2",
            "/usr/share/soundfonts/FluidR3_GM.sf2",
            "/usr/share/soundfonts/default.sf2",
        };
        for (const char* candidate : candidates) {
            std::error_code ec;
            if (std::filesystem::is_regular_file(candidate, ec)) return std::string(candidate);
        }
        return std::string();
    }();
    return path;
}
