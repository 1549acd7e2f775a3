#pragma once
#include <cstdint>
#include <mutex>

// Reference-counted pointer. Every instance has a control block, even when it holds no
// object; copies share the block. The count changes only under the block's lock, so copies
// may be made and dropped on different threads; the object itself is not guarded.
template <typename T>
class CRCPtr {
public:
    // Takes ownership of pObject, even when making the block fails.
    explicit CRCPtr(T* pObject = nullptr) : m_pBlock(NewBlock(pObject)) {}
    // Shares other's object.
    CRCPtr(const CRCPtr& other) : m_pBlock(other.m_pBlock) { m_pBlock->AddRef(); }
    // Shares other's object, and lets go of this one's.
    CRCPtr& operator=(const CRCPtr& other) {
        if (other.m_pBlock != m_pBlock) {
            other.m_pBlock->AddRef();
            Release();
            m_pBlock = other.m_pBlock;
        }
        return *this;
    }
    ~CRCPtr() { Release(); }

    // The object; null when there is none.
    T* operator->() const { return m_pBlock->m_pObject; }
    // The object, which must be there.
    T& operator*() const { return *m_pBlock->m_pObject; }
    // The object; null when there is none.
    T* Get() const { return m_pBlock->m_pObject; }
    // Whether there is no object.
    bool IsNull() const { return m_pBlock->m_pObject == nullptr; }

private:
    struct CBlock {
        explicit CBlock(T* pObject) : m_pObject(pObject) {}

        T* m_pObject;
        std::uint32_t m_nCount = 1;
        std::mutex m_lock;

        void AddRef() {
            std::lock_guard<std::mutex> guard(m_lock);
            ++m_nCount;
        }
        // True when this was the last reference.
        bool DropRef() {
            std::lock_guard<std::mutex> guard(m_lock);
            return --m_nCount == 0;
        }
    };

    static CBlock* NewBlock(T* pObject) {
        try {
            return new CBlock(pObject);
        } catch (...) {
            delete pObject;
            throw;
        }
    }

    void Release() {
        if (m_pBlock->DropRef()) {
            delete m_pBlock->m_pObject;
            delete m_pBlock;
        }
    }

    CBlock* m_pBlock;
};
