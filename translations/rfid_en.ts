<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>rfid::ClassicPage</name>
    <message>
        <source>读卡</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写卡</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key A</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Key B</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连续读      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连续读（读卡）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读写器地址</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连续写后读</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起始块       </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>块的数量     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>密钥       </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>块数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连续写        </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连续写</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起始地址        </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>块的数量      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>密钥     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halt命令：     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>需要录入数据      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读卡号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no halt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>halt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连续读        </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连续读（读卡号）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 初始值  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>初始化</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 加值  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>加值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 减值  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>减值</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>扇区   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>块的数量</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起始块</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>密钥</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>起始地址</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读卡号操作失败   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>扇区</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::CommGroup</name>
    <message>
        <source>通讯信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM打开</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>COM关闭</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通讯COM口：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>波特率选择：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>当前机器ID号：  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未选择串口：请在“通讯COM口”中选择或输入串口名。   </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::Console</name>
    <message>
        <source>%1“%2”不是毫秒整数，已停止发送。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送信息</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>周期：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>周期</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>毫秒      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自动发送</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>载入数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>另存为</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清空发送框</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>载入数据！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法读取文件 %1：%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存接收数据！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文本文件(.txt)|*.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::Iso15693Page</name>
    <message>
        <source>连续读   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>防冲突</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标志位    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作失败   </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::LogPane</name>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::MainMenus</name>
    <message>
        <source>System</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stype</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stype one</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stype two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stype three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stype four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stype five</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stype six</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>清空</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>撤消</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全选</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>剪切</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>粘贴...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>保存接收数据！</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>文本文件(.txt)|*.txt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>日志无法保存到 %1：%2   </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::OutputFormatPage</name>
    <message>
        <source>2H4D + 2H4D </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14 no. in HEX (7 byte)     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14 no. in HEX reverse (7 byte)   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 no. in HEX reverse    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13 no. in D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18 no. in D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 no. in HEX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 no. in D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 no. in D (last 4 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 no. in D reverse   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 8 no. in D (last 3bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 no. in HEX      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 00+8 no. in D (last 3 bytes) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 no.in D(four byte) </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output format setting </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add , in middle   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add ;  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add ?  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add &quot;Enter&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Big buzzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Small buzzer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User-defined byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add  user-defined byte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No output format chosen: choose one of the formats, then Set. Nothing was sent.   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User-defined byte (Edit23)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set up format false   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Up Success   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read format false   </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::ReaderLibrary</name>
    <message>
        <source>Reader library %1 cannot be loaded: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader library %1 lacks the export %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::ReaderSession</name>
    <message>
        <source>Command %1 has an odd number of hex digits; nothing was sent.   %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frame has an odd number of hex digits; nothing was sent.   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The frame of %1 bytes is longer than %2 bytes; nothing was sent.   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接收...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口 %1 打开失败：%2   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口 %1 读取出错，已关闭：%2   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>串口一次收到的数据超过 %1 字节，其后的 %2 字节已丢弃。   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接收数据已满 %1 字节，其后收到的串口数据不再存入。   </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::Response</name>
    <message>
        <source>通讯错误，没有接收到数据..   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据丢包，流水校验出错   </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::SystemPage</name>
    <message>
        <source>系统命令</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置波特率:      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>待设置的波特率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置波特率</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（要设置的波特率）              </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取机器ID号:         </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取机器ID号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重设置机器ID号：    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重设置机器ID号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>要设置的新地址 ,十六进制表示。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>（范围0~FF）  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取机器的序列号：    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取机器的序列号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重设置机器序列号：     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>重设置机器序列号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8个字节     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>led的控制：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  周期      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>次数     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>led的控制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>led-R 的控制：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>led-R 的控制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>buzzer的控制：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  周期        </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>buzzer的控制</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 周期</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 次数</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读卡器硬件状态切换</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读卡器硬件状态切换：      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>主动读卡</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>被动读卡</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>程序等待时间：   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>程序等待时间</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>毫秒（ms）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>波特率设置失败   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>波特率设置成功   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作失败        </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读写器地址设置失败   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读写器地址设置成功   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读序列号失败   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>机器序列号设置失败   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>机器序列号设置成功   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置%1操作失败   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>设置%1操作成功   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED-R</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BUZ</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::TForm1</name>
    <message>
        <source>%1: no folder to save the cards in (%2); the cards are saved only if it can be used when the program ends.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: no translation in this program   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读卡状态切换</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读写状态</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB数据调试状态状态            </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>自动检测卡状态</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>USB reader intelligent setting  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>系统命令</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clock</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::TForm2</name>
    <message>
        <source>RFID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output format setting          </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::TypeBPage</name>
    <message>
        <source>连续读      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连续读：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ISO14443 Type-B Commands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>卡请求</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>防冲突</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>insert card number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>请输入卡ID号码：         </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Attrib</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>复位卡</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据：    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第二代居民身份证</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读身份证ID号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读身份证文件ID号</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读身份证ID号：     </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读取</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读身份证文件ID号：   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>卡ID号码</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：%2 个字节，最多 %3 个（帧最长 %4 字节），未发送   %5</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::UltralightPage</name>
    <message>
        <source>Read</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Idle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连续读      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连续读（Read）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read  Card series number:  </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halt:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读卡</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连续读（读卡）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 读卡 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>扇区：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写卡</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>页数据（写卡）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连续写      </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>连续写（写卡）</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> 写卡 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ultralight 卡读写</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：未选择页，未发送   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读卡ID号操作失败   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>扇区</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读卡失败   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>页数据</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写卡操作失败   </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::cardfield</name>
    <message>
        <source>Reader library %1 has no card field (%2); %3 is not used.   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no file can be written in it: </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::classic</name>
    <message>
        <source>操作成功   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>卡号为:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>卡的数据为:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>返回卡号为:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>检测到的卡的数量为一张卡..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>检测到的卡的数量为多张卡..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>返回卡ID号为:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>剩余值为为: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读卡失败   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HALT操作失败   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HALT操作成功   </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::exchangeflow</name>
    <message>
        <source>%1: odd number of hex digits, nothing sent   %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1：十六进制数字个数为奇数，未发送   %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::format</name>
    <message>
        <source>2H4D + 2H4D </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14 no. in HEX (7 byte)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14 no. in HEX reverse (7 byte)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 no. in HEX reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13 no. in D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18 no. in D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 no. in HEX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5 no. in D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 no. in D </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 no. in D reverse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 no. in D (last 3bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 no. in HEX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>00+8 no. in D (last 3 bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8 no. in D (The card last 3bytes)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10 no.in D</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Output format ： </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Read data success    </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add semicolon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>do not add semicolon </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add ,</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>do not add , </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>do not add ? </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>add enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>do not add enter </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data error，no data recevice..   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>data error,please check data..   </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::iso15693</name>
    <message>
        <source>操作成功   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>域内的卡片数量为：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>域内的卡片数据为：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>第%1张卡卡号为：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>标志位为：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读卡返回数据为：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Flags值为： </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  INFO Flags值为： </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  卡UID值为： </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  DSFID值为： </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  AFI值为： </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  Other fields值为： </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>块安全位状态为：</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::raw</name>
    <message>
        <source>发送框中没有十六进制数字，未发送。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送框中的帧有 %1 个十六进制数字（奇数个），不成整字节，未发送。</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>发送框中的帧有 %1 字节，超过 %2 字节，未发送。</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::reasons</name>
    <message>
        <source>输入的参数大于最大允许范围，溢出.....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>命令创作成功.....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数设置失败....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>通讯超时 ....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>卡不存在....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>接收卡数据出错....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>输入参数或者输入命令格式错误....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>未知的错误....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The parameter of the command or the Format of the command Erro...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在块初始化中出现错误...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在防冲突过程中得到错误的序列号....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>密码认证没通过....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读写设备接收到了未定义的命令.....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>卡不支持这个命令....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>命令格式有错误....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>在命令的FLAG参数中，不支持OPTION 模式....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>要操作的BLOCK不存在....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>要操作的对象已经别锁定，不能进行修改....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>锁定操作不成功....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写操作不成功....</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::settings</name>
    <message>
        <source>系统地址为 : </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读序列号成功   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>地址为：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>序列号为：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>波特率“%1”不是可选的波特率（9600、19200、38400、57600、115200）之一，未发送   %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::transport</name>
    <message>
        <source>Non data receiving,Please check the equipment....</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::typeb</name>
    <message>
        <source>操作成功   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>卡片复位数据的长度为:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>返回操作后的数据为:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>返回卡号为:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>参数设置成功.....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reader received unknown command....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>无数据接收..</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作后的数据串为：</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作失败   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>操作成功、复位成功   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读卡号操作失败   </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>rfid::ultralight</name>
    <message>
        <source>读卡号 操作成功   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>卡号为:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读卡 操作成功   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>读卡返回数据为: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>卡ID号为:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>写卡操作成功   </source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
