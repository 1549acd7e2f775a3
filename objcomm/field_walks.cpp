#include "objcomm/field_walks.h"

#include "objcomm/describe.h"
#include "objcomm/hex.h"
#include "objcomm/length_prefix.h"

namespace {

class CFieldReader : public CFieldVisitor {
public:
    explicit CFieldReader(CInBinaryString& in) : m_in(in) {}

    void Block(CByteArray& value, int nMode, const char*, const char*) override {
        m_in.ReadBytes(value, Length(nMode));
    }
    void Text(CString& value, int nMode, const char*) override {
        value = m_in.ReadString(Length(nMode));
    }
    void Filler(int nWidth, DWORD) override { m_in.ReadNumber(nWidth); }
    void Caption(const char*) override {}
    bool HasMore() override { return !m_in.IsExhausted(); }

protected:
    void VisitNumber(DWORD& dwValue, int nWidth, const char*, CShow) override {
        dwValue = m_in.ReadNumber(nWidth);
    }

private:
    int Length(int nMode) const {
        return nMode == kToTheEnd ? static_cast<int>(m_in.GetRemaining()) : nMode;
    }

    CInBinaryString& m_in;
};

class CFieldWriter : public CFieldVisitor {
public:
    explicit CFieldWriter(COutBinaryString& out) : m_out(out) {}

    void Block(CByteArray& value, int nMode, const char*, const char*) override {
        m_out.SetPrefix(nMode).AppendBytes(value);
    }
    void Text(CString& value, int nMode, const char*) override {
        m_out.SetPrefix(nMode).AppendString(value);
    }
    void Filler(int nWidth, DWORD dwWritten) override { m_out.AppendNumber(nWidth, dwWritten); }
    void Caption(const char*) override {}

protected:
    void VisitNumber(DWORD& dwValue, int nWidth, const char*, CShow) override {
        m_out.AppendNumber(nWidth, dwValue);
    }

private:
    COutBinaryString& m_out;
};

class CFieldSizer : public CFieldVisitor {
public:
    void Block(CByteArray& value, int nMode, const char*, const char*) override {
        m_nLength += static_cast<size_t>(PrefixWidth(nMode)) + value.size();
    }
    void Text(CString& value, int nMode, const char*) override {
        m_nLength += static_cast<size_t>(PrefixWidth(nMode)) + value.size();
    }
    void Filler(int nWidth, DWORD) override { m_nLength += static_cast<size_t>(nWidth); }
    void Caption(const char*) override {}

    size_t m_nLength = 0;

protected:
    void VisitNumber(DWORD&, int nWidth, const char*, CShow) override {
        m_nLength += static_cast<size_t>(nWidth);
    }
};

class CFieldDescriber : public CFieldVisitor {
public:
    CFieldDescriber(CStringArray& list, CArray<int>* pLoneEntries)
        : m_list(list), m_pLoneEntries(pLoneEntries) {}

    void Block(CByteArray& value, int, const char* pszLabel, const char* pszEmpty) override {
        if (pszLabel != nullptr) AddPair(m_list, pszLabel, HexOrText(value, pszEmpty));
    }
    void Text(CString& value, int, const char* pszLabel) override {
        if (pszLabel != nullptr) AddPair(m_list, pszLabel, value);
    }
    void Filler(int, DWORD) override {}
    void Caption(const char* pszText) override {
        if (m_pLoneEntries != nullptr) m_pLoneEntries->push_back(static_cast<int>(m_list.size()));
        m_list.push_back(pszText);
    }

protected:
    void VisitNumber(DWORD& dwValue, int, const char* pszLabel, CShow show) override {
        if (pszLabel != nullptr) AddPair(m_list, pszLabel, show.Text(dwValue));
    }

private:
    CStringArray& m_list;
    CArray<int>* const m_pLoneEntries;
};

}  // namespace

void ReadFields(CFieldRecord& record, CInBinaryString& payload) {
    CFieldReader reader(payload);
    record.VisitFields(reader);
}

void WriteFields(CFieldRecord& record, COutBinaryString& out) {
    CFieldWriter writer(out);
    record.VisitFields(writer);
}

size_t GetFieldsLength(CFieldRecord& record) {
    CFieldSizer sizer;
    record.VisitFields(sizer);
    return sizer.m_nLength;
}

void DescribeFields(CFieldRecord& record, CStringArray& list, CArray<int>* pLoneEntries) {
    CFieldDescriber describer(list, pLoneEntries);
    record.VisitFields(describer);
}
