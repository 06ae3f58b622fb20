// Every identifier the component system knows. Each is one constant record, so code
// passes its address; the four binary ones spell their own names without a terminator.
#pragma once

#include "mzcom/mzIIDS.h"

// Interfaces of the component system.
inline constexpr mzIIDS mzIID_IDispatch("MZIIDDSP", 8);
inline constexpr mzIIDS mzIID_IUnknown("MZIIDUNK", 8);
inline constexpr mzIIDS mzIID_IClassFactory("MZIIDCLSFAC", 11);
inline constexpr mzIIDS mzIID_IException("MZIEXCEPTION", 12);
inline constexpr mzIIDS mzIID_ITypeInfo("MZIIDTYPEINFO");
inline constexpr mzIIDS mzIID_IMethodTypeInfo("MZIIDMETHTYPEINFO");
inline constexpr mzIIDS mzIID_IPropertyTypeInfo("MZIIDPROPTYPEINFO");
inline constexpr mzIIDS mzIID_IComObjectCollection("MZCOMOBJCOLL");
inline constexpr mzIIDS mzIID_IComExternalConnection("MZCOMEXTCONN");
inline constexpr mzIIDS mzIID_IComNativePointer("MZCOMNATPTR");

// Services, classes and interfaces of the host's engine.
inline constexpr mzIIDS mzIID_ComEngineFactory("MZCOMENGFACT");
inline constexpr mzIIDS mzIID_ComEngineRot("MZCOMENGROT");
inline constexpr mzIIDS mzIID_ComFileMoniker("MZCOMFILEMONIKER");
inline constexpr mzIIDS mzIID_ComDefaultMarshaller("MZCOMDEFMARSH");
inline constexpr mzIIDS mzIID_IComMarshal("MZCOMMARHSAL");
inline constexpr mzIIDS mzIID_IComSharedMemoryManager("MZCOMSHMEMMGR");
inline constexpr mzIIDS mzIID_IComChannelManager("MZCOMCHMGR");
inline constexpr mzIIDS mzIID_IComMutexManager("MZCOMMUTEXMGR");
inline constexpr mzIIDS mzIID_IComProxyObject("MZCOMPROXYOBJ");
inline constexpr mzIIDS mzIID_ComMessageOutputService("MZCOMMSGOUTPUTSRV");
inline constexpr mzIIDS mzIID_IComMessageOutput("MZCOMMSGOUTPUT");

// A script variable passed by reference, from the host's script engine.
inline constexpr mzIIDS mzIID_ScriptSymbolRef("MZSCR.SYMBOLREF");

// Access to the tree behind one of this library's meta-object proxies.
inline constexpr mzIIDS mzIID_ProxyMetaBase("rudezaze.proxymetabaseiface");

// Further identifiers of the component system and its neighbours; the library itself
// asks for none of them.
inline constexpr mzIIDS mzIID_Empty("MZIIDEMTPY");
inline constexpr mzIIDS mzIID_IClassTypeInfo("MZIIDCLASSTYPEINFO");
inline constexpr mzIIDS mzIID_ComEngine("MZCOMENG");
inline constexpr mzIIDS mzIID_ComMediaControl("MZCOMMEDIACTRL");
inline constexpr mzIIDS mzIID_ComMediaFile("MZCOMMEDIAFILE");
inline constexpr mzIIDS mzIID_ComSharedMemoryBlock("MZCOMSHMEMBLOCK");
inline constexpr mzIIDS mzIID_ComIdleAction("MZCOMIDELACT");
inline constexpr mzIIDS mzIID_ComStubObject("MZCOMSTUBOBJ");
inline constexpr mzIIDS mzIID_ComStubHelperObject("MZCOMSTUBHLPOBJ");
inline constexpr mzIIDS mzIID_ComProxyHelperTargetObject("MZCOMPRXHLPTRGOBJ");
inline constexpr mzIIDS mzIID_ComProxyHelperObject("MZCOMPRXHLPOBJ");
inline constexpr mzIIDS mzIID_ComChannel("MZCOMCH");
inline constexpr mzIIDS mzIID_ComMarshalBuffer("MZCOMMARSHBUF");
inline constexpr mzIIDS mzIID_ComMarshalArguments("MZCOMMARSHARGS");
inline constexpr mzIIDS mzIID_ComMutex("MZCOMMUTEX");
inline constexpr mzIIDS mzIID_ComProcessMutex("MZCOMPROCMUTEX");
inline constexpr mzIIDS mzIID_ComWeakRef("MZCOMWEAKREF");
inline constexpr mzIIDS mzIID_ComWeakRefable("MZCOMWEAKREFABLE");
inline constexpr mzIIDS mzIID_ComDefaultStubHelperTarget("MZCOMDEFSTUBHLPTRG");
inline constexpr mzIIDS mzIID_ComPersist("MZCOMPERSIST");
inline constexpr mzIIDS mzIID_ComPersistFile("MZCOMPERSISTFILE");
inline constexpr mzIIDS mzIID_ComJvmProvider("MZCOM.IJVMPROVIDER");
inline constexpr mzIIDS mzIID_ComCharsetFactory("MZCOM.ICHARSETFACT");
inline constexpr mzIIDS mzIID_ComCharsetConverter("MZCOM.ICHARSETCONV");
inline constexpr mzIIDS mzIID_ComSystemEvent("MZCOM.ISYSEVENT");
inline constexpr mzIIDS mzIID_ComSystemEventListener("MZCOM.ISYSEVENTLST");
inline constexpr mzIIDS mzIID_ComSystemEventNotify("MZCOM.ISYSEVENTNFY");
inline constexpr mzIIDS mzIID_ComHelpSystem("MZCOM.IHELPSYSTEM");

inline constexpr mzIIDS mzIID_ScriptNamespace("MZSCR.NAMESPACE");
inline constexpr mzIIDS mzIID_ScriptSymbolTable("MZSCR.SYMBOLTABLE");
inline constexpr mzIIDS mzIID_ScriptNamespaceCollection("MZSCR.NAMESPACECOL");
inline constexpr mzIIDS mzIID_ScriptSymbolCollection("MZSCR.SYMBOLCOL");
inline constexpr mzIIDS mzIID_ScriptEngine("MZSCR.Engine");
inline constexpr mzIIDS mzIID_ScriptModule("MZSCR.Modul");
inline constexpr mzIIDS mzIID_ScriptThread("MZSCR.Thread");
inline constexpr mzIIDS mzIID_ScriptTranslator("MZSCR.Translator");
inline constexpr mzIIDS mzIID_ScriptCodebag("MZSCR.Codebag");
inline constexpr mzIIDS mzIID_ScriptCodebagExecute("MZSCR.CodebagExecute");
inline constexpr mzIIDS mzIID_ScriptConstSymbol("MZSCR.CONSTSYM");
inline constexpr mzIIDS mzIID_ScriptFileMoniker("MZSCR.FileMoniker");
inline constexpr mzIIDS mzIID_ScriptGlobalSymbols("MZSCR.GlobalSymbols");
inline constexpr mzIIDS mzIID_ScriptSourceCodeInfo("MZSCR.SRCCodeInfo");
inline constexpr mzIIDS mzIID_ScriptStackFrame("MZSCR.StackFrame");
inline constexpr mzIIDS mzIID_ScriptPersistFile("MZSCR.PersistFile");
inline constexpr mzIIDS mzIID_ScriptDebugger("MZSCR.SCRdebugger");
inline constexpr mzIIDS mzIID_ScriptSymbolRefImpl("MZSCR.SYMBOLREFIMPL");

inline constexpr mzIIDS mzIID_DatabaseDatabase("DATABASE.DATABASEI");
inline constexpr mzIIDS mzIID_DatabaseInfo("DATABASE.DATABASEINFO");
inline constexpr mzIIDS mzIID_DatabaseTransaction("DATABASE.TRANSACTION");
inline constexpr mzIIDS mzIID_DatabaseSysTypeMap("DATABASE.SYSTYPEMAP");
inline constexpr mzIIDS mzIID_DatabaseSqlTransaction("DATABASE.SQLTRANSACTION");
inline constexpr mzIIDS mzIID_DatabaseTableInfoTrans("DATABASE.TABLEINFOTRANS");
inline constexpr mzIIDS mzIID_DatabaseRecordset("DATABASE.RECORDSET");
inline constexpr mzIIDS mzIID_DatabaseRecordsetFields("DATABASE.RECORDSETFIELDS");
inline constexpr mzIIDS mzIID_DatabaseTableInfo("DATABASE.TABLEINFO");
inline constexpr mzIIDS mzIID_DatabaseTableInfoRes("DATABASE.TABLEINFORES");
inline constexpr mzIIDS mzIID_DatabaseExtDataTimesRes("DATABASE.EXTDATATIMESRES");
inline constexpr mzIIDS mzIID_DatabaseExtDataTimeRes("DATABASE.EXTDATATIMERES");
inline constexpr mzIIDS mzIID_DatabaseExtDataDateRes("DATABASE.EXTDATADATERES");

inline constexpr mzIIDS mzIID_LdapObject("LDAPLIB.LDAPOBJ");
