#include "wireshark/dissector.h"

#include <epan/expert.h>
#include <epan/packet.h>
#include <epan/prefs.h>

#include "objcomm/checksum.h"
#include "objcomm/connection.h"
#include "objcomm/frame_codes.h"
#include "wireshark/frame_view.h"

namespace {

constexpr guint kServerPort = 1500;  // the station's default for its Object Communicator

int proto_objcomm = -1;
int hf_form = -1;
int hf_ident = -1;
int hf_command = -1;
int hf_length = -1;
int hf_subcommand = -1;
int hf_tag = -1;
int hf_checksum = -1;
int hf_checksum_status = -1;
int hf_class = -1;
int hf_item = -1;
int hf_data = -1;
int hf_error = -1;
int ett_objcomm = -1;
int ett_describe = -1;
expert_field ei_rejected = EI_INIT;
expert_field ei_bad_checksum = EI_INIT;
gboolean g_bExtended = FALSE;
dissector_handle_t g_handle;

const char* FormName(BYTE nForm) {
    switch (nForm) {
        case kLongForm16:
            return "long16";
        case kLongForm32:
            return "long32";
        default:
            return "short";
    }
}

// The fields the frame declares, where they lie in it.
void AddHeaderFields(proto_tree* tree, tvbuff_t* tvb, packet_info* pinfo, const CFrameView& view,
                     const CByteArray& frame) {
    const CFrameLayout& layout = view.layout;
    proto_tree_add_string(tree, hf_form, tvb, 0, 1, FormName(layout.nForm));
    if (!view.bLayoutWhole) return;
    size_t nCommandAt = 0;
    if (IsLongForm(layout.nForm)) {
        proto_tree_add_item(tree, hf_ident, tvb, static_cast<gint>(layout.nIdentifierOffset),
                            static_cast<gint>(layout.nIdentifierLength), ENC_ASCII);
        nCommandAt = layout.nIdentifierOffset + layout.nIdentifierLength;
    }
    proto_tree_add_item(tree, hf_command, tvb, static_cast<gint>(nCommandAt), 1, ENC_NA);
    proto_tree_add_item(tree, hf_length, tvb, static_cast<gint>(nCommandAt + 1),
                        static_cast<gint>(layout.nBodyOffset - nCommandAt - 1), ENC_BIG_ENDIAN);
    const auto nBody = static_cast<gint>(layout.nBodyOffset);
    if (layout.nCommand == kPassThrough && layout.nBodyLength >= 1) {
        proto_tree_add_item(tree, hf_subcommand, tvb, nBody, 1, ENC_NA);
    }
    if (layout.nCommand == kPassThrough && layout.nBodyLength >= 3) {
        proto_tree_add_item(tree, hf_tag, tvb, nBody + 1, 2, ENC_BIG_ENDIAN);
    }
    const size_t nChecksumAt = layout.GetChecksumOffset();
    proto_tree_add_checksum(tree, tvb, static_cast<guint>(nChecksumAt), hf_checksum,
                            hf_checksum_status, &ei_bad_checksum, pinfo,
                            ComputeChecksum(frame.data(), nChecksumAt), ENC_NA,
                            PROTO_CHECKSUM_VERIFY);
}

// What the library made of the frame.
void AddDecodedFields(proto_tree* tree, tvbuff_t* tvb, packet_info* pinfo, const CFrameView& view) {
    const gint nBody = view.bLayoutWhole ? static_cast<gint>(view.layout.nBodyOffset) : 0;
    const gint nBodyLength = view.bLayoutWhole ? static_cast<gint>(view.layout.nBodyLength) : -1;
    if (!view.strError.empty()) {
        proto_item* item = proto_tree_add_string(tree, hf_error, tvb, 0, -1, view.strError.c_str());
        expert_add_info_format(pinfo, item, &ei_rejected, "Frame rejected: %s",
                               view.strError.c_str());
        return;
    }
    proto_item_set_generated(
        proto_tree_add_string(tree, hf_class, tvb, 0, 0, view.strClass.c_str()));
    proto_tree* describe =
        proto_tree_add_subtree(tree, tvb, nBody, nBodyLength, ett_describe, nullptr, "Describe");
    for (const std::string& strItem : view.items) {
        proto_tree_add_string_format(describe, hf_item, tvb, nBody, nBodyLength, strItem.c_str(),
                                     "%s", strItem.c_str());
    }
    if (view.data.empty()) return;
    proto_item_set_generated(proto_tree_add_bytes_with_length(tree, hf_data, tvb, nBody,
                                                              nBodyLength, view.data.data(),
                                                              static_cast<gint>(view.data.size())));
}

// One whole frame, or what is left of a segment when the frame cannot be whole. Every item
// lies within the captured bytes, so Wireshark throws none of its exceptions here: they are
// long jumps, which would skip the destructors of frame and view.
void DissectFrame(tvbuff_t* tvb, packet_info* pinfo, proto_tree* tree, bool bRequest) {
    const guint nSize = tvb_captured_length(tvb);
    const guint8* pBytes = tvb_get_ptr(tvb, 0, nSize);
    const CByteArray frame(pBytes, pBytes + nSize);
    const CFrameView view = ViewFrame(frame, bRequest, g_bExtended ? 1 : 0);
    col_append_sep_str(pinfo->cinfo, COL_INFO, ", ", view.strInfo.c_str());
    proto_item* root = proto_tree_add_item(tree, proto_objcomm, tvb, 0, -1, ENC_NA);
    proto_tree* fields = proto_item_add_subtree(root, ett_objcomm);
    AddHeaderFields(fields, tvb, pinfo, view, frame);
    AddDecodedFields(fields, tvb, pinfo, view);
}

// Cuts the stream into frames by their own length rules, asking TCP for more of a frame
// that goes on past the bytes at hand.
int DissectObjComm(tvbuff_t* tvb, packet_info* pinfo, proto_tree* tree, void*) {
    col_set_str(pinfo->cinfo, COL_PROTOCOL, "objcomm");
    col_clear(pinfo->cinfo, COL_INFO);
    const bool bRequest = pinfo->destport == pinfo->match_uint;
    const guint nTotal = tvb_captured_length(tvb);
    for (guint nOffset = 0; nOffset < nTotal;) {
        const guint nLeft = nTotal - nOffset;
        const CFrameExtent extent =
            MeasureFrame(tvb_get_ptr(tvb, static_cast<gint>(nOffset), nLeft), nLeft,
                         CObjCommConnection::kMaxBodyLength);
        if (extent.eKind == CFrameExtent::kNeedMore && pinfo->can_desegment) {
            pinfo->desegment_offset = static_cast<int>(nOffset);
            pinfo->desegment_len = static_cast<guint32>(extent.nSize - nLeft);
            return static_cast<int>(nTotal);
        }
        // A frame that cannot be whole is shown with the rest of the segment: its error says
        // what is wrong, and the next segment starts afresh.
        const guint nSize =
            extent.eKind == CFrameExtent::kWhole ? static_cast<guint>(extent.nSize) : nLeft;
        DissectFrame(
            tvb_new_subset_length(tvb, static_cast<gint>(nOffset), static_cast<gint>(nSize)), pinfo,
            tree, bRequest);
        nOffset += nSize;
    }
    return static_cast<int>(nTotal);
}

}  // namespace

void RegisterObjCommProtocol() {
    static hf_register_info fields[] = {
        {&hf_form,
         {"Form", "objcomm.form", FT_STRING, BASE_NONE, nullptr, 0, "long16, long32 or short",
          HFILL}},
        {&hf_ident,
         {"Identifier", "objcomm.ident", FT_STRING, BASE_NONE, nullptr, 0, nullptr, HFILL}},
        {&hf_command,
         {"Command", "objcomm.command", FT_UINT8, BASE_DEC_HEX, nullptr, 0, nullptr, HFILL}},
        {&hf_length,
         {"Body length", "objcomm.length", FT_UINT32, BASE_DEC, nullptr, 0, nullptr, HFILL}},
        {&hf_subcommand,
         {"Sub-command", "objcomm.subcommand", FT_UINT8, BASE_DEC_HEX, nullptr, 0, nullptr, HFILL}},
        {&hf_tag, {"Exchange tag", "objcomm.tag", FT_UINT16, BASE_HEX, nullptr, 0, nullptr, HFILL}},
        {&hf_checksum,
         {"Checksum", "objcomm.checksum", FT_UINT8, BASE_HEX, nullptr, 0, nullptr, HFILL}},
        {&hf_checksum_status,
         {"Checksum status", "objcomm.checksum.status", FT_UINT8, BASE_NONE,
          VALS(proto_checksum_vals), 0, nullptr, HFILL}},
        {&hf_class, {"Class", "objcomm.class", FT_STRING, BASE_NONE, nullptr, 0, nullptr, HFILL}},
        {&hf_item, {"Item", "objcomm.item", FT_STRING, BASE_NONE, nullptr, 0, nullptr, HFILL}},
        {&hf_data,
         {"Data", "objcomm.data", FT_BYTES, BASE_NONE, nullptr, 0,
          "The payload as the decoded message writes it", HFILL}},
        {&hf_error,
         {"Error", "objcomm.error", FT_STRING, BASE_NONE, nullptr, 0, "Why the frame was rejected",
          HFILL}},
    };
    static gint* subtrees[] = {&ett_objcomm, &ett_describe};
    static ei_register_info experts[] = {
        {&ei_rejected, {"objcomm.rejected", PI_MALFORMED, PI_ERROR, "Frame rejected", EXPFILL}},
        {&ei_bad_checksum,
         {"objcomm.checksum.bad", PI_CHECKSUM, PI_ERROR, "Bad checksum", EXPFILL}},
    };
    proto_objcomm = proto_register_protocol("Object Communicator", "objcomm", "objcomm");
    proto_register_field_array(proto_objcomm, fields, G_N_ELEMENTS(fields));
    proto_register_subtree_array(subtrees, G_N_ELEMENTS(subtrees));
    expert_register_field_array(expert_register_protocol(proto_objcomm), experts,
                                G_N_ELEMENTS(experts));
    module_t* preferences = prefs_register_protocol(proto_objcomm, nullptr);
    prefs_register_bool_preference(
        preferences, "extended", "Card-station responses in extended form",
        "Decode card-station responses with their wider or added fields, as a station "
        "that asked for the extended form reads them",
        &g_bExtended);
    g_handle = register_dissector("objcomm", DissectObjComm, proto_objcomm);
}

void HandOffObjCommProtocol() {
    dissector_add_uint_with_preference("tcp.port", kServerPort, g_handle);
}
