#pragma once

#include <QString>

#include <gst/gst.h>

namespace vireo::test {

// The first element inside `bin`, at any depth, that `matches` accepts (a new reference), or
// null.
template <typename Match> GstElement* findElement(GstElement* bin, Match matches)
{
    GstElement* found = nullptr;
    GstIterator* it = gst_bin_iterate_recurse(GST_BIN(bin));
    GValue item = G_VALUE_INIT;
    while (!found && gst_iterator_next(it, &item) == GST_ITERATOR_OK) {
        auto* element = GST_ELEMENT(g_value_get_object(&item));
        if (matches(element))
            found = GST_ELEMENT(gst_object_ref(element));
        g_value_reset(&item);
    }
    g_value_unset(&item);
    gst_iterator_free(it);
    return found;
}

// The name of the factory that made `element` ("fakesink", "pulsesink"), or empty.
inline QString factoryName(GstElement* element)
{
    GstElementFactory* factory = gst_element_get_factory(element);
    return factory ? QString::fromUtf8(GST_OBJECT_NAME(factory)) : QString();
}

} // namespace vireo::test
