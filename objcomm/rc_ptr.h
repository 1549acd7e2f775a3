#pragma once
#include <cstdint>
#include <mutex>
#include <utility>

// Reference-counted pointer. Every instance has a control block, even when it holds no
// object; copies share the block. The count changes only under the block's lock, so copies
// may be made and dropped on different threads; the object itself is not guarded.
//
// An object handed over by pointer lives apart from its block; one made in place
// (std::in_place) lives inside it, one allocation for both, as with std::make_shared. Either
// way it is destroyed with the last holder, before the block.
template <typename T>
class CRCPtr {
public:
    // Takes ownership of pObject, even when making the block fails.
    explicit CRCPtr(T* pObject = nullptr) : m_pBlock(NewBlock(pObject)) {}
    // Constructs a T from args inside a new block.
    template <typename... Args>
    explicit CRCPtr(std::in_place_t, Args&&... args)
        : m_pBlock(new CInPlaceBlock(std::forward<Args>(args)...)) {}
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

    // Exchanges the blocks of two holders; no count changes.
    void Swap(CRCPtr& other) noexcept { std::swap(m_pBlock, other.m_pBlock); }

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
        CBlock(const CBlock&) = delete;
        CBlock& operator=(const CBlock&) = delete;
        // The object goes first (through its own, virtual, destructor), then the block.
        virtual ~CBlock() { delete m_pObject; }

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

    // A block with its object inside. The base holds no pointer until the object is built,
    // so a constructor that throws leaves nothing for the base to delete.
    struct CInPlaceBlock final : CBlock {
        template <typename... Args>
        explicit CInPlaceBlock(Args&&... args)
            : CBlock(nullptr), m_object(std::forward<Args>(args)...) {
            this->m_pObject = &m_object;
        }
        // m_object is destroyed right after this body, before the base.
        ~CInPlaceBlock() override { this->m_pObject = nullptr; }

        T m_object;
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
        if (m_pBlock->DropRef()) delete m_pBlock;
    }

    CBlock* m_pBlock;
};
