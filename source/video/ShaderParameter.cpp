#include "video/ShaderParameter.h"

namespace video {

const wchar_t *shaderParameterName(unsigned int parameter) {
  switch (parameter) {
  case PARAMETER_DELETE_STATUS:
    return L"Delete Status";
  case PARAMETER_COMPILE_STATUS:
    return L"Compile Status";
  case PARAMETER_LINK_STATUS:
    return L"Link Status";
  case PARAMETER_VALIDATE_STATUS:
    return L"Validate Status";
  case PARAMETER_INFO_LOG_LENGTH:
    return L"Info Log Length";
  case PARAMETER_ATTACHED_SHADERS:
    return L"Attached Shaders";
  case PARAMETER_ACTIVE_UNIFORMS:
    return L"Active Uniforms";
  case PARAMETER_ACTIVE_UNIFORM_MAX_LENGTH:
    return L"Active Uniform Max Length";
  case PARAMETER_ACTIVE_ATTRIBUTES:
    return L"Active Attributes";
  case PARAMETER_ACTIVE_ATTRIBUTE_MAX_LENGTH:
    return L"Active Attribute Max Length";
  case PARAMETER_SHADER_TYPE:
    return L"Shader Type";
  case PARAMETER_SHADER_SOURCE_LENGTH:
    return L"Shader Source Length";
  default:
    return L"";
  }
}

} // namespace video
