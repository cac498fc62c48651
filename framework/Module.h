// The module that holds the program's resources: dialog templates, strings and icons. It sits
// below everything else in the framework, so strings and windows load resources without
// knowing about the application object.
#pragma once
#include <windows.h>

class CModule {
  public:
    constexpr CModule() : m_hInstResource(NULL) {}
    CModule(const CModule&) = delete;
    CModule& operator=(const CModule&) = delete;

    // The module given at start-up, or the executable until then.
    HINSTANCE GetResourceInstance() const {
        return m_hInstResource ? m_hInstResource : ::GetModuleHandleA(NULL);
    }
    void SetResourceInstance(HINSTANCE hInstance) { m_hInstResource = hInstance; }

  private:
    HINSTANCE m_hInstResource;
};

// The one module object of the process.
CModule& AfxGetModule();

inline HINSTANCE AfxGetResourceHandle() { return AfxGetModule().GetResourceInstance(); }
