<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>rfid::ClassicPage</name>
    <message>
        <source>读卡</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>写卡</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>Key A</source>
        <translation>Key A</translation>
    </message>
    <message>
        <source>Key B</source>
        <translation>Key B</translation>
    </message>
    <message>
        <source>连续读      </source>
        <translation>Repeat      </translation>
    </message>
    <message>
        <source>连续读（读卡）</source>
        <translation>Repeat (Read)</translation>
    </message>
    <message>
        <source>读写器地址</source>
        <translation>Reader address</translation>
    </message>
    <message>
        <source>连续写后读</source>
        <translation>Repeat write then read</translation>
    </message>
    <message>
        <source>起始块       </source>
        <translation>First block       </translation>
    </message>
    <message>
        <source>块的数量     </source>
        <translation>Blocks     </translation>
    </message>
    <message>
        <source>密钥       </source>
        <translation>Key       </translation>
    </message>
    <message>
        <source>块数据</source>
        <translation>block data</translation>
    </message>
    <message>
        <source>连续写        </source>
        <translation>Repeat write        </translation>
    </message>
    <message>
        <source>连续写</source>
        <translation>Repeat write</translation>
    </message>
    <message>
        <source>起始地址        </source>
        <translation>First block        </translation>
    </message>
    <message>
        <source>块的数量      </source>
        <translation>Blocks      </translation>
    </message>
    <message>
        <source>密钥     </source>
        <translation>Key     </translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Halt</translation>
    </message>
    <message>
        <source>Halt命令：     </source>
        <translation>Halt command:     </translation>
    </message>
    <message>
        <source>需要录入数据      </source>
        <translation>Needs data      </translation>
    </message>
    <message>
        <source>读卡号</source>
        <translation>Card number</translation>
    </message>
    <message>
        <source>no halt</source>
        <translation>no halt</translation>
    </message>
    <message>
        <source>halt</source>
        <translation>halt</translation>
    </message>
    <message>
        <source>连续读        </source>
        <translation>Repeat        </translation>
    </message>
    <message>
        <source>连续读（读卡号）</source>
        <translation>Repeat (Card number)</translation>
    </message>
    <message>
        <source> 初始值  </source>
        <translation> Initial value  </translation>
    </message>
    <message>
        <source>初始化</source>
        <translation>Init value</translation>
    </message>
    <message>
        <source> 加值  </source>
        <translation> Increment  </translation>
    </message>
    <message>
        <source>加值</source>
        <translation>Increment</translation>
    </message>
    <message>
        <source> 减值  </source>
        <translation> Decrement  </translation>
    </message>
    <message>
        <source>减值</source>
        <translation>Decrement</translation>
    </message>
    <message>
        <source>扇区   </source>
        <translation>Sector   </translation>
    </message>
    <message>
        <source>块的数量</source>
        <translation>Blocks</translation>
    </message>
    <message>
        <source>起始块</source>
        <translation>First block</translation>
    </message>
    <message>
        <source>密钥</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>起始地址</source>
        <translation>First block</translation>
    </message>
    <message>
        <source>扇区</source>
        <translation>Sector</translation>
    </message>
</context>
<context>
    <name>rfid::CommGroup</name>
    <message>
        <source>通讯信息</source>
        <translation>Communication</translation>
    </message>
    <message>
        <source>COM打开</source>
        <translation>Open COM</translation>
    </message>
    <message>
        <source>COM关闭</source>
        <translation>Close COM</translation>
    </message>
    <message>
        <source>通讯COM口：</source>
        <translation>COM port:</translation>
    </message>
    <message>
        <source>波特率选择：</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>当前机器ID号：  </source>
        <translation>Reader address:  </translation>
    </message>
    <message>
        <source>未选择串口：请在“通讯COM口”中选择或输入串口名。   </source>
        <translation>No serial port chosen: choose or type a port name under &quot;COM port&quot;.   </translation>
    </message>
</context>
<context>
    <name>rfid::Console</name>
    <message>
        <source>%1“%2”不是毫秒整数，已停止发送。</source>
        <translation>%1 &quot;%2&quot; is not a whole number of milliseconds; sending stopped.</translation>
    </message>
    <message>
        <source>发送信息</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>周期：</source>
        <translation>Period:</translation>
    </message>
    <message>
        <source>周期</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>毫秒      </source>
        <translation>ms      </translation>
    </message>
    <message>
        <source>自动发送</source>
        <translation>Auto send</translation>
    </message>
    <message>
        <source>发送数据</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>载入数据</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>另存为</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>清空发送框</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>载入数据！</source>
        <translation>Load data</translation>
    </message>
    <message>
        <source>无法读取文件 %1：%2</source>
        <translation>Cannot read file %1: %2</translation>
    </message>
    <message>
        <source>保存接收数据！</source>
        <translation>Save received data</translation>
    </message>
    <message>
        <source>文本文件(.txt)|*.txt</source>
        <translation>Text files (.txt)|*.txt</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write file %1: %2</translation>
    </message>
</context>
<context>
    <name>rfid::Iso15693Page</name>
    <message>
        <source>连续读   </source>
        <translation>Repeat   </translation>
    </message>
    <message>
        <source>防冲突</source>
        <translation>Inventory</translation>
    </message>
    <message>
        <source>标志位    </source>
        <translation>Flags    </translation>
    </message>
    <message>
        <source>卡片读</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>连续读     </source>
        <translation>Repeat     </translation>
    </message>
    <message>
        <source>起始块  </source>
        <translation>First block  </translation>
    </message>
    <message>
        <source>块数量  </source>
        <translation>Blocks  </translation>
    </message>
    <message>
        <source>卡的uid信息    </source>
        <translation>UID    </translation>
    </message>
    <message>
        <source>卡片写</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>连续写   </source>
        <translation>Repeat   </translation>
    </message>
    <message>
        <source>要写的数据    </source>
        <translation>Data    </translation>
    </message>
    <message>
        <source>卡uid  </source>
        <translation>UID  </translation>
    </message>
    <message>
        <source>锁定块</source>
        <translation>Lock</translation>
    </message>
    <message>
        <source>要锁的块号           </source>
        <translation>Block to lock           </translation>
    </message>
    <message>
        <source>选择卡</source>
        <translation>Select</translation>
    </message>
    <message>
        <source>卡的uid信息  </source>
        <translation>UID  </translation>
    </message>
    <message>
        <source>写AFI</source>
        <translation>Write AFI</translation>
    </message>
    <message>
        <source>AFI</source>
        <translation>AFI</translation>
    </message>
    <message>
        <source>锁定AFI</source>
        <translation>Lock AFI</translation>
    </message>
    <message>
        <source>写DSFID</source>
        <translation>Write DSFID</translation>
    </message>
    <message>
        <source>DSFID</source>
        <translation>DSFID</translation>
    </message>
    <message>
        <source>锁定DSFID</source>
        <translation>Lock DSFID</translation>
    </message>
    <message>
        <source>系统信息</source>
        <translation>Sys. info</translation>
    </message>
    <message>
        <source>块安全位</source>
        <translation>Security</translation>
    </message>
    <message>
        <source>起始块号  </source>
        <translation>First block  </translation>
    </message>
    <message>
        <source>数据长度  </source>
        <translation>Blocks  </translation>
    </message>
    <message>
        <source>卡uid</source>
        <translation>UID</translation>
    </message>
</context>
<context>
    <name>rfid::LogPane</name>
    <message>
        <source>Log</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>This pane keeps the last %1 lines; older lines leave it from the top.</source>
        <translation>This pane keeps the last %1 lines; older lines leave it from the top.</translation>
    </message>
    <message>
        <source> The full log is in %1</source>
        <translation> The full log is in %1</translation>
    </message>
    <message>
        <source> No full log is kept on disk</source>
        <translation> No full log is kept on disk</translation>
    </message>
</context>
<context>
    <name>rfid::MainMenus</name>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>Stype</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Stype one</source>
        <translation>Style one</translation>
    </message>
    <message>
        <source>Stype two</source>
        <translation>Style two</translation>
    </message>
    <message>
        <source>Stype three</source>
        <translation>Style three</translation>
    </message>
    <message>
        <source>Stype four</source>
        <translation>Style four</translation>
    </message>
    <message>
        <source>Stype five</source>
        <translation>Style five</translation>
    </message>
    <message>
        <source>Stype six</source>
        <translation>Style six</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>清空</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>撤消</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>全选</source>
        <translation>Select all</translation>
    </message>
    <message>
        <source>剪切</source>
        <translation>Cut</translation>
    </message>
    <message>
        <source>复制</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>粘贴...</source>
        <translation>Paste...</translation>
    </message>
    <message>
        <source>保存接收数据！</source>
        <translation>Save the log</translation>
    </message>
    <message>
        <source>文本文件(.txt)|*.txt</source>
        <translation>Text files (.txt)|*.txt</translation>
    </message>
    <message>
        <source>日志无法保存到 %1：%2   </source>
        <translation>The log cannot be saved to %1: %2   </translation>
    </message>
    <message>
        <source>Open log folder</source>
        <translation>Open log folder</translation>
    </message>
</context>
<context>
    <name>rfid::OutputFormatPage</name>
    <message>
        <source>2H4D + 2H4D </source>
        <translation>2H4D + 2H4D </translation>
    </message>
    <message>
        <source>14 no. in HEX (7 byte)     </source>
        <translation>14 hex (7 bytes)     </translation>
    </message>
    <message>
        <source>14 no. in HEX reverse (7 byte)   </source>
        <translation>14 hex, reversed (7 bytes)   </translation>
    </message>
    <message>
        <source>8 no. in HEX reverse    </source>
        <translation>8 hex, reversed    </translation>
    </message>
    <message>
        <source>13 no. in D</source>
        <translation>13 dec</translation>
    </message>
    <message>
        <source>18 no. in D</source>
        <translation>18 dec</translation>
    </message>
    <message>
        <source>10 no. in HEX</source>
        <translation>10 hex</translation>
    </message>
    <message>
        <source>5 no. in D</source>
        <translation>5 dec</translation>
    </message>
    <message>
        <source>8 no. in D (last 4 bytes)</source>
        <translation>8 dec (last 4 bytes)</translation>
    </message>
    <message>
        <source>10 no. in D reverse   </source>
        <translation>10 dec, reversed   </translation>
    </message>
    <message>
        <source> 8 no. in D (last 3bytes)</source>
        <translation> 8 dec (last 3 bytes)</translation>
    </message>
    <message>
        <source>8 no. in HEX      </source>
        <translation>8 hex      </translation>
    </message>
    <message>
        <source> 00+8 no. in D (last 3 bytes) </source>
        <translation> 00+8 dec (last 3 bytes) </translation>
    </message>
    <message>
        <source>10 no.in D(four byte) </source>
        <translation>10 dec (4 bytes) </translation>
    </message>
    <message>
        <source>Output format setting </source>
        <translation>Output format setting </translation>
    </message>
    <message>
        <source>add , in middle   </source>
        <translation>add , in middle   </translation>
    </message>
    <message>
        <source>add ;  </source>
        <translation>add ;  </translation>
    </message>
    <message>
        <source>add ?  </source>
        <translation>add ?  </translation>
    </message>
    <message>
        <source>add &quot;Enter&quot;</source>
        <translation>add &quot;Enter&quot;</translation>
    </message>
    <message>
        <source>Big buzzer</source>
        <translation>Big buzzer</translation>
    </message>
    <message>
        <source>Small buzzer</source>
        <translation>Small buzzer</translation>
    </message>
    <message>
        <source>User-defined byte</source>
        <translation>User-defined byte</translation>
    </message>
    <message>
        <source>Add  user-defined byte</source>
        <translation>Add user-defined byte</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>No output format chosen: choose one of the formats, then Set. Nothing was sent.   </source>
        <translation>No output format chosen: choose one of the formats, then Set. Nothing was sent.   </translation>
    </message>
    <message>
        <source>User-defined byte (Edit23)</source>
        <translation>User-defined byte (Edit23)</translation>
    </message>
</context>
<context>
    <name>rfid::ReaderLibrary</name>
    <message>
        <source>Reader library %1 cannot be loaded: %2</source>
        <translation>Reader library %1 cannot be loaded: %2</translation>
    </message>
    <message>
        <source>Reader library %1 lacks the export %2</source>
        <translation>Reader library %1 lacks the export %2</translation>
    </message>
</context>
<context>
    <name>rfid::ReaderMenu</name>
    <message>
        <source>Reader</source>
        <translation>Reader</translation>
    </message>
    <message>
        <source>The reader library does not list its devices</source>
        <translation>The reader library does not list its devices</translation>
    </message>
    <message>
        <source>No reader plugged in</source>
        <translation>No reader plugged in</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>No reader</source>
        <translation>No reader</translation>
    </message>
    <message>
        <source>The reader is fixed outside the tool (RFID_HID_DEVICE); %1 is not taken.</source>
        <translation>The reader is fixed outside the tool (RFID_HID_DEVICE); %1 is not taken.</translation>
    </message>
    <message>
        <source>The reader library does not know the device %1.</source>
        <translation>The reader library does not know the device %1.</translation>
    </message>
    <message>
        <source>The reader library does not choose devices; %1 is not used.</source>
        <translation>The reader library does not choose devices; %1 is not used.</translation>
    </message>
</context>
<context>
    <name>rfid::ReaderSession</name>
    <message>
        <source>Command %1 has an odd number of hex digits; nothing was sent.   %2</source>
        <translation>Command %1 has an odd number of hex digits; nothing was sent.   %2</translation>
    </message>
    <message>
        <source>The frame has an odd number of hex digits; nothing was sent.   </source>
        <translation>The frame has an odd number of hex digits; nothing was sent.   </translation>
    </message>
    <message>
        <source>The frame of %1 bytes is longer than %2 bytes; nothing was sent.   </source>
        <translation>The frame of %1 bytes is longer than %2 bytes; nothing was sent.   </translation>
    </message>
    <message>
        <source>发送...</source>
        <translation>Sent...</translation>
    </message>
    <message>
        <source>接收...</source>
        <translation>Received...</translation>
    </message>
    <message>
        <source>串口 %1 打开失败：%2   </source>
        <translation>Serial port %1 cannot be opened: %2   </translation>
    </message>
    <message>
        <source>串口 %1 读取出错，已关闭：%2   </source>
        <translation>Serial port %1 read error, port closed: %2   </translation>
    </message>
    <message>
        <source>串口一次收到的数据超过 %1 字节，其后的 %2 字节已丢弃。   </source>
        <translation>The serial port delivered more than %1 bytes at once; the %2 bytes after them were dropped.   </translation>
    </message>
    <message>
        <source>接收数据已满 %1 字节，其后收到的串口数据不再存入。   </source>
        <translation>Received data is full at %1 bytes; further serial data is not stored.   </translation>
    </message>
</context>
<context>
    <name>rfid::Response</name>
    <message>
        <source>通讯错误，没有接收到数据..   </source>
        <translation>Communication error, no data received..   </translation>
    </message>
    <message>
        <source>数据丢包，流水校验出错   </source>
        <translation>Data lost, frame check failed   </translation>
    </message>
</context>
<context>
    <name>rfid::SessionLog</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>the folder %1 cannot be made</translation>
    </message>
    <message>
        <source>%1 cannot be made: %2</source>
        <translation>%1 cannot be made: %2</translation>
    </message>
    <message>
        <source>The session log %1 cannot be written: %2; it ends here.</source>
        <translation>The session log %1 cannot be written: %2; it ends here.</translation>
    </message>
</context>
<context>
    <name>rfid::SystemPage</name>
    <message>
        <source>系统命令</source>
        <translation>System</translation>
    </message>
    <message>
        <source>设置波特率:      </source>
        <translation>Baud rate:      </translation>
    </message>
    <message>
        <source>待设置的波特率</source>
        <translation>The baud rate to set</translation>
    </message>
    <message>
        <source>设置波特率</source>
        <translation>Set baud rate</translation>
    </message>
    <message>
        <source>（要设置的波特率）              </source>
        <translation>(baud rate to set)              </translation>
    </message>
    <message>
        <source>设置</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>读取机器ID号:         </source>
        <translation>Read reader address:         </translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>读取机器ID号</source>
        <translation>Read reader address</translation>
    </message>
    <message>
        <source>重设置机器ID号：    </source>
        <translation>Set reader address:    </translation>
    </message>
    <message>
        <source>重设置机器ID号</source>
        <translation>Set reader address</translation>
    </message>
    <message>
        <source>要设置的新地址 ,十六进制表示。</source>
        <translation>The new address, in hex.</translation>
    </message>
    <message>
        <source>（范围0~FF）  </source>
        <translation>(range 0-FF)  </translation>
    </message>
    <message>
        <source>读取机器的序列号：    </source>
        <translation>Read serial number:    </translation>
    </message>
    <message>
        <source>读取机器的序列号</source>
        <translation>Read serial number</translation>
    </message>
    <message>
        <source>重设置机器序列号：     </source>
        <translation>Set serial number:     </translation>
    </message>
    <message>
        <source>重设置机器序列号</source>
        <translation>Set serial number</translation>
    </message>
    <message>
        <source>8个字节     </source>
        <translation>8 bytes     </translation>
    </message>
    <message>
        <source>led的控制：</source>
        <translation>LED:</translation>
    </message>
    <message>
        <source>  周期      </source>
        <translation>  Period      </translation>
    </message>
    <message>
        <source>次数     </source>
        <translation>Count     </translation>
    </message>
    <message>
        <source>led的控制</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>led-R 的控制：</source>
        <translation>LED-R:</translation>
    </message>
    <message>
        <source>led-R 的控制</source>
        <translation>LED-R</translation>
    </message>
    <message>
        <source>buzzer的控制：</source>
        <translation>Buzzer:</translation>
    </message>
    <message>
        <source>  周期        </source>
        <translation>  Period        </translation>
    </message>
    <message>
        <source>buzzer的控制</source>
        <translation>Buzzer</translation>
    </message>
    <message>
        <source> 周期</source>
        <translation> Period</translation>
    </message>
    <message>
        <source> 次数</source>
        <translation> Count</translation>
    </message>
    <message>
        <source>读卡器硬件状态切换</source>
        <translation>Reader mode</translation>
    </message>
    <message>
        <source>读卡器硬件状态切换：      </source>
        <translation>Reader mode:      </translation>
    </message>
    <message>
        <source>主动读卡</source>
        <translation>Active reading</translation>
    </message>
    <message>
        <source>被动读卡</source>
        <translation>Passive reading</translation>
    </message>
    <message>
        <source>程序等待时间：   </source>
        <translation>Wait time:   </translation>
    </message>
    <message>
        <source>程序等待时间</source>
        <translation>Wait time</translation>
    </message>
    <message>
        <source>毫秒（ms）</source>
        <translation>milliseconds (ms)</translation>
    </message>
</context>
<context>
    <name>rfid::TForm1</name>
    <message>
        <source>%1: no folder to save the cards in (%2); the cards are saved only if it can be used when the program ends.</source>
        <translation>%1: no folder to save the cards in (%2); the cards are saved only if it can be used when the program ends.</translation>
    </message>
    <message>
        <source>%1: no translation in this program   </source>
        <translation>%1: no translation in this program   </translation>
    </message>
    <message>
        <source>读卡状态切换</source>
        <translation>Reading mode</translation>
    </message>
    <message>
        <source>读写状态</source>
        <translation>Read/write</translation>
    </message>
    <message>
        <source>USB数据调试状态状态            </source>
        <translation>USB data debugging            </translation>
    </message>
    <message>
        <source>自动检测卡状态</source>
        <translation>Automatic card detection</translation>
    </message>
    <message>
        <source>USB reader intelligent setting  </source>
        <translation>USB reader settings  </translation>
    </message>
    <message>
        <source>系统命令</source>
        <translation>System commands</translation>
    </message>
    <message>
        <source>Clock</source>
        <translation>Clock</translation>
    </message>
    <message>
        <source>No session log is kept: %1</source>
        <translation>No session log is kept: %1</translation>
    </message>
</context>
<context>
    <name>rfid::TForm2</name>
    <message>
        <source>RFID</source>
        <translation>RFID</translation>
    </message>
    <message>
        <source>Output format setting          </source>
        <translation>Output format setting          </translation>
    </message>
</context>
<context>
    <name>rfid::TypeBPage</name>
    <message>
        <source>连续读      </source>
        <translation>Repeat      </translation>
    </message>
    <message>
        <source>ISO14443 Type-B Commands</source>
        <translation>ISO 14443 Type B commands</translation>
    </message>
    <message>
        <source>卡请求</source>
        <translation>Request</translation>
    </message>
    <message>
        <source>防冲突</source>
        <translation>Anticollision</translation>
    </message>
    <message>
        <source>insert card number</source>
        <translation>card PUPI</translation>
    </message>
    <message>
        <source>请输入卡ID号码：         </source>
        <translation>Card PUPI:         </translation>
    </message>
    <message>
        <source>Attrib</source>
        <translation>Attrib</translation>
    </message>
    <message>
        <source>复位卡</source>
        <translation>Reset card</translation>
    </message>
    <message>
        <source>data</source>
        <translation>data</translation>
    </message>
    <message>
        <source>数据：    </source>
        <translation>Data:    </translation>
    </message>
    <message>
        <source>发送数据</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>第二代居民身份证</source>
        <translation>Resident ID card (2nd generation)</translation>
    </message>
    <message>
        <source>读身份证ID号</source>
        <translation>ID card number</translation>
    </message>
    <message>
        <source>读身份证文件ID号</source>
        <translation>ID card file number</translation>
    </message>
    <message>
        <source>读身份证ID号：     </source>
        <translation>Read ID card number:     </translation>
    </message>
    <message>
        <source>读取</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>读身份证文件ID号：   </source>
        <translation>Read ID card file number:   </translation>
    </message>
    <message>
        <source>卡ID号码</source>
        <translation>card PUPI</translation>
    </message>
    <message>
        <source>数据</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>连续读</source>
        <translation>Repeat</translation>
    </message>
</context>
<context>
    <name>rfid::UltralightPage</name>
    <message>
        <source>Read</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Idle</source>
        <translation>Idle</translation>
    </message>
    <message>
        <source>All</source>
        <translation>All</translation>
    </message>
    <message>
        <source>连续读      </source>
        <translation>Repeat      </translation>
    </message>
    <message>
        <source>连续读（Read）</source>
        <translation>Repeat (Read)</translation>
    </message>
    <message>
        <source>Halt</source>
        <translation>Halt</translation>
    </message>
    <message>
        <source>Read  Card series number:  </source>
        <translation>Read card serial number:  </translation>
    </message>
    <message>
        <source>Halt:</source>
        <translation>Halt:</translation>
    </message>
    <message>
        <source>读卡</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>连续读（读卡）</source>
        <translation>Repeat (Read)</translation>
    </message>
    <message>
        <source> 读卡 </source>
        <translation> Read </translation>
    </message>
    <message>
        <source>扇区：</source>
        <translation>Page:</translation>
    </message>
    <message>
        <source>写卡</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>页数据（写卡）</source>
        <translation>Page data (Write)</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>连续写      </source>
        <translation>Repeat write      </translation>
    </message>
    <message>
        <source>连续写（写卡）</source>
        <translation>Repeat write (Write)</translation>
    </message>
    <message>
        <source> 写卡 </source>
        <translation> Write </translation>
    </message>
    <message>
        <source>Ultralight 卡读写</source>
        <translation>Ultralight read and write</translation>
    </message>
    <message>
        <source>扇区</source>
        <translation>Page</translation>
    </message>
    <message>
        <source>页数据</source>
        <translation>page data</translation>
    </message>
</context>
<context>
    <name>rfid::cardfield</name>
    <message>
        <source>Reader library %1 has no card field (%2); %3 is not used.   </source>
        <translation>Reader library %1 has no card field (%2); %3 is not used.   </translation>
    </message>
    <message>
        <source>not a folder</source>
        <translation>not a folder</translation>
    </message>
    <message>
        <source>no file can be written in it: </source>
        <translation>no file can be written in it: </translation>
    </message>
</context>
<context>
    <name>rfid::classic</name>
    <message>
        <source>操作成功   </source>
        <translation>Operation succeeded   </translation>
    </message>
    <message>
        <source>卡号为:</source>
        <translation>Card number:</translation>
    </message>
    <message>
        <source>卡的数据为:</source>
        <translation>Card data:</translation>
    </message>
    <message>
        <source>返回卡号为:</source>
        <translation>Card number:</translation>
    </message>
    <message>
        <source>检测到的卡的数量为一张卡..</source>
        <translation>One card detected..</translation>
    </message>
    <message>
        <source>检测到的卡的数量为多张卡..</source>
        <translation>Several cards detected..</translation>
    </message>
    <message>
        <source>返回卡ID号为:</source>
        <translation>Card UID:</translation>
    </message>
    <message>
        <source>剩余值为为: </source>
        <translation>Remaining value: </translation>
    </message>
    <message>
        <source>读卡失败   </source>
        <translation>Read failed   </translation>
    </message>
    <message>
        <source>HALT操作失败   </source>
        <translation>Halt failed   </translation>
    </message>
    <message>
        <source>HALT操作成功   </source>
        <translation>Halt succeeded   </translation>
    </message>
    <message>
        <source>读卡号操作失败   </source>
        <translation>Reading the card number failed   </translation>
    </message>
</context>
<context>
    <name>rfid::cli</name>
    <message>
        <source>Request mode All: also wake halted cards (default Idle).</source>
        <translation>Request mode All: also wake halted cards (default Idle).</translation>
    </message>
    <message>
        <source>Authenticate with key B (default key A).</source>
        <translation>Authenticate with key B (default key A).</translation>
    </message>
    <message>
        <source>%1 (default %2)</source>
        <translation>%1 (default %2)</translation>
    </message>
    <message>
        <source>No output format &quot;%1&quot;: `format list` names them. Nothing was sent.   %2</source>
        <translation>No output format &quot;%1&quot;: `format list` names them. Nothing was sent.   %2</translation>
    </message>
    <message>
        <source>Buzzer &quot;%1&quot; is neither big nor small. Nothing was sent.   %2</source>
        <translation>Buzzer &quot;%1&quot; is neither big nor small. Nothing was sent.   %2</translation>
    </message>
    <message>
        <source>%1: read, or set %2. Nothing was sent.   %3</source>
        <translation>%1: read, or set %2. Nothing was sent.   %3</translation>
    </message>
    <message>
        <source>reader mode: active or passive, not &quot;%1&quot;. Nothing was sent.   %2</source>
        <translation>reader mode: active or passive, not &quot;%1&quot;. Nothing was sent.   %2</translation>
    </message>
    <message>
        <source>%1: the reader has no command for it (the window&apos;s button is disabled). Nothing was sent.   %2</source>
        <translation>%1: the reader has no command for it (the window&apos;s button is disabled). Nothing was sent.   %2</translation>
    </message>
    <message>
        <source>First block</source>
        <translation>First block</translation>
    </message>
    <message>
        <source>Block count</source>
        <translation>Block count</translation>
    </message>
    <message>
        <source>Block</source>
        <translation>Block</translation>
    </message>
    <message>
        <source>The card&apos;s UID, least significant byte first; sent with --flags uid (select: always)</source>
        <translation>The card&apos;s UID, least significant byte first; sent with --flags uid (select: always)</translation>
    </message>
    <message>
        <source>AFI</source>
        <translation>AFI</translation>
    </message>
    <message>
        <source>DSFID</source>
        <translation>DSFID</translation>
    </message>
    <message>
        <source>Block data</source>
        <translation>Block data</translation>
    </message>
    <message>
        <source>Flags &quot;%1&quot;: one of ti, philips, uid, other. Nothing was sent.   %2</source>
        <translation>Flags &quot;%1&quot;: one of ti, philips, uid, other. Nothing was sent.   %2</translation>
    </message>
    <message>
        <source>Key bytes</source>
        <translation>Key bytes</translation>
    </message>
    <message>
        <source>Read the reader&apos;s output format.</source>
        <translation>Read the reader&apos;s output format.</translation>
    </message>
    <message>
        <source>Set the output format (names: format list).</source>
        <translation>Set the output format (names: format list).</translation>
    </message>
    <message>
        <source>Add ; before the number.</source>
        <translation>Add ; before the number.</translation>
    </message>
    <message>
        <source>Add ? after the number.</source>
        <translation>Add ? after the number.</translation>
    </message>
    <message>
        <source>Add , in the middle.</source>
        <translation>Add , in the middle.</translation>
    </message>
    <message>
        <source>Add Enter after the number.</source>
        <translation>Add Enter after the number.</translation>
    </message>
    <message>
        <source>The buzzer (default big).</source>
        <translation>The buzzer (default big).</translation>
    </message>
    <message>
        <source>Add this user-defined byte.</source>
        <translation>Add this user-defined byte.</translation>
    </message>
    <message>
        <source>Set the baud rate: 9600, 19200, 38400, 57600 or 115200.</source>
        <translation>Set the baud rate: 9600, 19200, 38400, 57600 or 115200.</translation>
    </message>
    <message>
        <source>[read | set NN]</source>
        <translation>[read | set NN]</translation>
    </message>
    <message>
        <source>Read the reader&apos;s address, or set a new one.</source>
        <translation>Read the reader&apos;s address, or set a new one.</translation>
    </message>
    <message>
        <source>[read | set SERIAL]</source>
        <translation>[read | set SERIAL]</translation>
    </message>
    <message>
        <source>Read the reader&apos;s serial number, or set it (8 bytes).</source>
        <translation>Read the reader&apos;s serial number, or set it (8 bytes).</translation>
    </message>
    <message>
        <source>Switch the reading mode; the answer is not waited for.</source>
        <translation>Switch the reading mode; the answer is not waited for.</translation>
    </message>
    <message>
        <source>Flash the LED: period and count.</source>
        <translation>Flash the LED: period and count.</translation>
    </message>
    <message>
        <source>Flash the red LED: period and count.</source>
        <translation>Flash the red LED: period and count.</translation>
    </message>
    <message>
        <source>Sound the buzzer: period and count.</source>
        <translation>Sound the buzzer: period and count.</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Period</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>Count</translation>
    </message>
    <message>
        <source>Read blocks.</source>
        <translation>Read blocks.</translation>
    </message>
    <message>
        <source>Write blocks.</source>
        <translation>Write blocks.</translation>
    </message>
    <message>
        <source>Make a sector&apos;s value block.</source>
        <translation>Make a sector&apos;s value block.</translation>
    </message>
    <message>
        <source>Add to a sector&apos;s value.</source>
        <translation>Add to a sector&apos;s value.</translation>
    </message>
    <message>
        <source>Take from a sector&apos;s value.</source>
        <translation>Take from a sector&apos;s value.</translation>
    </message>
    <message>
        <source>Sector</source>
        <translation>Sector</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Read the card number.</source>
        <translation>Read the card number.</translation>
    </message>
    <message>
        <source>Halt the card after reading.</source>
        <translation>Halt the card after reading.</translation>
    </message>
    <message>
        <source>Halt the card.</source>
        <translation>Halt the card.</translation>
    </message>
    <message>
        <source>Read from a page.</source>
        <translation>Read from a page.</translation>
    </message>
    <message>
        <source>Write one page.</source>
        <translation>Write one page.</translation>
    </message>
    <message>
        <source>Page data</source>
        <translation>Page data</translation>
    </message>
    <message>
        <source>Read the card&apos;s serial number.</source>
        <translation>Read the card&apos;s serial number.</translation>
    </message>
    <message>
        <source>Card request.</source>
        <translation>Card request.</translation>
    </message>
    <message>
        <source>No command in the reader.</source>
        <translation>No command in the reader.</translation>
    </message>
    <message>
        <source>Attrib a card.</source>
        <translation>Attrib a card.</translation>
    </message>
    <message>
        <source>Card ID</source>
        <translation>Card ID</translation>
    </message>
    <message>
        <source>Exchange data with the card.</source>
        <translation>Exchange data with the card.</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Read the ID card&apos;s number.</source>
        <translation>Read the ID card&apos;s number.</translation>
    </message>
    <message>
        <source>Read the ID card&apos;s file number.</source>
        <translation>Read the ID card&apos;s file number.</translation>
    </message>
    <message>
        <source>Inventory of the cards in the field.</source>
        <translation>Inventory of the cards in the field.</translation>
    </message>
    <message>
        <source>Request flags; uid sends the UID (default %1)</source>
        <translation>Request flags; uid sends the UID (default %1)</translation>
    </message>
    <message>
        <source>Send a whole frame (hex) exactly as given, as the console does.</source>
        <translation>Send a whole frame (hex) exactly as given, as the console does.</translation>
    </message>
    <message>
        <source>Usage: rfid-cli dump convert IN OUT [--to flipper|pm3-json|raw|eml|mct]
       rfid-cli dump show FILE
convert: reads IN (its format told by its content) and writes OUT in the format --to names,
  else the one OUT&apos;s extension tells (.nfc, .json, .bin/.mfd/.dump, .eml, .txt/.mct).
  Unknown bytes stay unknown: a format that cannot mark them refuses the card.
show: a Classic dump as sectors with keys and access conditions, an Ultralight/NTAG as
  pages with lock bits, an ISO 15693 tag as blocks.
</source>
        <translation>Usage: rfid-cli dump convert IN OUT [--to flipper|pm3-json|raw|eml|mct]
       rfid-cli dump show FILE
convert: reads IN (its format told by its content) and writes OUT in the format --to names,
  else the one OUT&apos;s extension tells (.nfc, .json, .bin/.mfd/.dump, .eml, .txt/.mct).
  Unknown bytes stay unknown: a format that cannot mark them refuses the card.
show: a Classic dump as sectors with keys and access conditions, an Ultralight/NTAG as
  pages with lock bits, an ISO 15693 tag as blocks.
</translation>
    </message>
    <message>
        <source>--to %1: one of flipper, pm3-json, raw, eml, mct.</source>
        <translation>--to %1: one of flipper, pm3-json, raw, eml, mct.</translation>
    </message>
    <message>
        <source>dump convert has no option %1.</source>
        <translation>dump convert has no option %1.</translation>
    </message>
    <message>
        <source>dump convert takes IN and OUT (rfid-cli dump --help).</source>
        <translation>dump convert takes IN and OUT (rfid-cli dump --help).</translation>
    </message>
    <message>
        <source>dump show takes one FILE (rfid-cli dump --help).</source>
        <translation>dump show takes one FILE (rfid-cli dump --help).</translation>
    </message>
    <message>
        <source>dump: convert or show (rfid-cli dump --help).</source>
        <translation>dump: convert or show (rfid-cli dump --help).</translation>
    </message>
    <message>
        <source>--baud %1: a rate such as 9600.</source>
        <translation>--baud %1: a rate such as 9600.</translation>
    </message>
    <message>
        <source>listen takes PORT [--baud N], not %1.</source>
        <translation>listen takes PORT [--baud N], not %1.</translation>
    </message>
    <message>
        <source>listen needs a PORT (rfid-cli listen --help).</source>
        <translation>listen needs a PORT (rfid-cli listen --help).</translation>
    </message>
    <message>
        <source>Reader library: virtual, hid (default) or a path to a library.</source>
        <translation>Reader library: virtual, hid (default) or a path to a library.</translation>
    </message>
    <message>
        <source>The reader to use when the library drives several (as `rfid-cli devices` lists them; for the hid library also VID:PID or a hidraw path). RFID_HID_DEVICE wins when set.</source>
        <translation>The reader to use when the library drives several (as `rfid-cli devices` lists them; for the hid library also VID:PID or a hidraw path). RFID_HID_DEVICE wins when set.</translation>
    </message>
    <message>
        <source>Reader address every frame carries, 00 to 20 (default 00).</source>
        <translation>Reader address every frame carries, 00 to 20 (default 00).</translation>
    </message>
    <message>
        <source>Virtual reader: put the cards of the dump files FILE names (one a line) into its field.</source>
        <translation>Virtual reader: put the cards of the dump files FILE names (one a line) into its field.</translation>
    </message>
    <message>
        <source>One JSON object a line per exchange instead of the log lines.</source>
        <translation>One JSON object a line per exchange instead of the log lines.</translation>
    </message>
    <message>
        <source>Run the command N times, or until interrupted.</source>
        <translation>Run the command N times, or until interrupted.</translation>
    </message>
    <message>
        <source>Pause between repeats in milliseconds (default 0).</source>
        <translation>Pause between repeats in milliseconds (default 0).</translation>
    </message>
    <message>
        <source>The language of the texts for this run (default: the one chosen in the window, else zh).</source>
        <translation>The language of the texts for this run (default: the one chosen in the window, else zh).</translation>
    </message>
    <message>
        <source>Show the help (of the command, when one is named).</source>
        <translation>Show the help (of the command, when one is named).</translation>
    </message>
    <message>
        <source>Usage: rfid-cli [OPTIONS] COMMAND [ARGS]
The operator tool&apos;s commands for 13.56 MHz card readers, without the window.

Options:
</source>
        <translation>Usage: rfid-cli [OPTIONS] COMMAND [ARGS]
The operator tool&apos;s commands for 13.56 MHz card readers, without the window.

Options:
</translation>
    </message>
    <message>
        <source> Show the version.

Commands:
</source>
        <translation> Show the version.

Commands:
</translation>
    </message>
    <message>
        <source>  format list                      The output formats by name.
  devices                          The readers the library can open (for --device).
  listen PORT [--baud N]           Card reports from the serial port, one a line, until interrupted.
  dump convert IN OUT [--to FMT]   Convert a dump (flipper, pm3-json, raw, eml, mct).
  dump show FILE                   A dump as sectors, pages or blocks.

Exit status: 0 success, 1 the reader refused, 2 no answer or a corrupted one,
3 bad arguments or a field the window would refuse, 4 the reader library or port could not be opened.
rfid-cli COMMAND --help tells a command&apos;s options.
</source>
        <translation>  format list                      The output formats by name.
  devices                          The readers the library can open (for --device).
  listen PORT [--baud N]           Card reports from the serial port, one a line, until interrupted.
  dump convert IN OUT [--to FMT]   Convert a dump (flipper, pm3-json, raw, eml, mct).
  dump show FILE                   A dump as sectors, pages or blocks.

Exit status: 0 success, 1 the reader refused, 2 no answer or a corrupted one,
3 bad arguments or a field the window would refuse, 4 the reader library or port could not be opened.
rfid-cli COMMAND --help tells a command&apos;s options.
</translation>
    </message>
    <message>
        <source>Usage: rfid-cli [OPTIONS] %1</source>
        <translation>Usage: rfid-cli [OPTIONS] %1</translation>
    </message>
    <message>
        <source>
Options:
</source>
        <translation>
Options:
</translation>
    </message>
    <message>
        <source>
Options of every command: --reader, --address, --field, --json, --repeat, --interval (rfid-cli --help).
</source>
        <translation>
Options of every command: --reader, --address, --field, --json, --repeat, --interval (rfid-cli --help).
</translation>
    </message>
    <message>
        <source>%1 needs a value (%2).</source>
        <translation>%1 needs a value (%2).</translation>
    </message>
    <message>
        <source>%1 takes no value.</source>
        <translation>%1 takes no value.</translation>
    </message>
    <message>
        <source>--address %1: the reader address is 00 to 20 (hex).</source>
        <translation>--address %1: the reader address is 00 to 20 (hex).</translation>
    </message>
    <message>
        <source>--lang %1: zh or en.</source>
        <translation>--lang %1: zh or en.</translation>
    </message>
    <message>
        <source>--repeat %1: a count of 1 or more, or forever.</source>
        <translation>--repeat %1: a count of 1 or more, or forever.</translation>
    </message>
    <message>
        <source>--interval %1: milliseconds, 0 or more.</source>
        <translation>--interval %1: milliseconds, 0 or more.</translation>
    </message>
    <message>
        <source>%1 has no option --%2 (rfid-cli %1 --help).</source>
        <translation>%1 has no option --%2 (rfid-cli %1 --help).</translation>
    </message>
    <message>
        <source>--%1 takes no value.</source>
        <translation>--%1 takes no value.</translation>
    </message>
    <message>
        <source>--%1 needs a value (%2).</source>
        <translation>--%1 needs a value (%2).</translation>
    </message>
    <message>
        <source>%1 takes %2 (rfid-cli %1 --help).</source>
        <translation>%1 takes %2 (rfid-cli %1 --help).</translation>
    </message>
    <message>
        <source>no words</source>
        <translation>no words</translation>
    </message>
    <message>
        <source>The reader library %1 does not list its devices.</source>
        <translation>The reader library %1 does not list its devices.</translation>
    </message>
    <message>
        <source>no command (rfid-cli --help lists them).</source>
        <translation>no command (rfid-cli --help lists them).</translation>
    </message>
    <message>
        <source>Usage: rfid-cli format list
The output formats: short name, code, what it types.
</source>
        <translation>Usage: rfid-cli format list
The output formats: short name, code, what it types.
</translation>
    </message>
    <message>
        <source>Usage: rfid-cli listen PORT [--baud N]
Card reports the reader sends on the serial port PORT (such as /dev/ttyUSB0), one a
line, until interrupted (Ctrl+C). --baud N sets the port&apos;s rate (default 9600).
</source>
        <translation>Usage: rfid-cli listen PORT [--baud N]
Card reports the reader sends on the serial port PORT (such as /dev/ttyUSB0), one a
line, until interrupted (Ctrl+C). --baud N sets the port&apos;s rate (default 9600).
</translation>
    </message>
    <message>
        <source>Usage: rfid-cli [--reader virtual|hid|PATH] devices
The readers the library can open now: id (what --device takes), name, USB vendor and product, serial number, path; * marks the one commands go to.
</source>
        <translation>Usage: rfid-cli [--reader virtual|hid|PATH] devices
The readers the library can open now: id (what --device takes), name, USB vendor and product, serial number, path; * marks the one commands go to.
</translation>
    </message>
    <message>
        <source>devices takes no words.</source>
        <translation>devices takes no words.</translation>
    </message>
    <message>
        <source>Commands of %1:
</source>
        <translation>Commands of %1:
</translation>
    </message>
    <message>
        <source>%1 has no command &quot;%2&quot; (rfid-cli %1 --help).</source>
        <translation>%1 has no command &quot;%2&quot; (rfid-cli %1 --help).</translation>
    </message>
    <message>
        <source>no command &quot;%1&quot; (rfid-cli --help lists them).</source>
        <translation>no command &quot;%1&quot; (rfid-cli --help lists them).</translation>
    </message>
    <message>
        <source>The reader is fixed outside the tool (RFID_HID_DEVICE); %1 is not taken.</source>
        <translation>The reader is fixed outside the tool (RFID_HID_DEVICE); %1 is not taken.</translation>
    </message>
    <message>
        <source>The reader library does not know the device %1.</source>
        <translation>The reader library does not know the device %1.</translation>
    </message>
    <message>
        <source>The reader library does not choose devices; %1 is not used.</source>
        <translation>The reader library does not choose devices; %1 is not used.</translation>
    </message>
    <message>
        <source>Page number in decimal: 00 to 15 as the window lists them, up to 255 on larger tags (default 00)</source>
        <translation>Page number in decimal: 00 to 15 as the window lists them, up to 255 on larger tags (default 00)</translation>
    </message>
    <message>
        <source>Page number in decimal: 00 to 15 as the window lists them, up to 255 on larger tags (default 04)</source>
        <translation>Page number in decimal: 00 to 15 as the window lists them, up to 255 on larger tags (default 04)</translation>
    </message>
</context>
<context>
    <name>rfid::controls</name>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1 %2</translation>
    </message>
</context>
<context>
    <name>rfid::fields</name>
    <message>
        <source>%1: odd number of hex digits, nothing sent   %2</source>
        <translation>%1: odd number of hex digits, nothing sent   %2</translation>
    </message>
    <message>
        <source>%1：十六进制数字个数为奇数，未发送   %2</source>
        <translation>%1: odd number of hex digits, nothing sent   %2</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>rfid::format</name>
    <message>
        <source>2H4D + 2H4D </source>
        <translation>2H4D + 2H4D </translation>
    </message>
    <message>
        <source>14 no. in HEX (7 byte)</source>
        <translation>14 hex (7 bytes)</translation>
    </message>
    <message>
        <source>14 no. in HEX reverse (7 byte)</source>
        <translation>14 hex, reversed (7 bytes)</translation>
    </message>
    <message>
        <source>8 no. in HEX reverse</source>
        <translation>8 hex, reversed</translation>
    </message>
    <message>
        <source>13 no. in D</source>
        <translation>13 dec</translation>
    </message>
    <message>
        <source>18 no. in D</source>
        <translation>18 dec</translation>
    </message>
    <message>
        <source>10 no. in HEX</source>
        <translation>10 hex</translation>
    </message>
    <message>
        <source>5 no. in D</source>
        <translation>5 dec</translation>
    </message>
    <message>
        <source>8 no. in D </source>
        <translation>8 dec </translation>
    </message>
    <message>
        <source>10 no. in D reverse</source>
        <translation>10 dec, reversed</translation>
    </message>
    <message>
        <source>8 no. in D (last 3bytes)</source>
        <translation>8 dec (last 3 bytes)</translation>
    </message>
    <message>
        <source>8 no. in HEX</source>
        <translation>8 hex</translation>
    </message>
    <message>
        <source>00+8 no. in D (last 3 bytes)</source>
        <translation>00+8 dec (last 3 bytes)</translation>
    </message>
    <message>
        <source>8 no. in D (The card last 3bytes)</source>
        <translation>8 dec (the card&apos;s last 3 bytes)</translation>
    </message>
    <message>
        <source>10 no.in D</source>
        <translation>10 dec</translation>
    </message>
    <message>
        <source>The Output format ： </source>
        <translation>Output format: </translation>
    </message>
    <message>
        <source>Read data success    </source>
        <translation>Read succeeded    </translation>
    </message>
    <message>
        <source>add semicolon</source>
        <translation>add semicolon</translation>
    </message>
    <message>
        <source>do not add semicolon </source>
        <translation>do not add semicolon </translation>
    </message>
    <message>
        <source>add ,</source>
        <translation>add ,</translation>
    </message>
    <message>
        <source>do not add , </source>
        <translation>do not add , </translation>
    </message>
    <message>
        <source>add ?</source>
        <translation>add ?</translation>
    </message>
    <message>
        <source>do not add ? </source>
        <translation>do not add ? </translation>
    </message>
    <message>
        <source>add enter</source>
        <translation>add Enter</translation>
    </message>
    <message>
        <source>do not add enter </source>
        <translation>do not add Enter </translation>
    </message>
    <message>
        <source>Data error，no data recevice..   </source>
        <translation>Data error, no data received..   </translation>
    </message>
    <message>
        <source>data error,please check data..   </source>
        <translation>Data error, please check the data..   </translation>
    </message>
    <message>
        <source>Read format false   </source>
        <translation>Reading the format failed   </translation>
    </message>
    <message>
        <source>Set up format false   </source>
        <translation>Setting the format failed   </translation>
    </message>
    <message>
        <source>Set Up Success   </source>
        <translation>Format set   </translation>
    </message>
</context>
<context>
    <name>rfid::iso15693</name>
    <message>
        <source>操作成功   </source>
        <translation>Operation succeeded   </translation>
    </message>
    <message>
        <source>域内的卡片数量为：</source>
        <translation>Cards in the field: </translation>
    </message>
    <message>
        <source>域内的卡片数据为：</source>
        <translation>Cards in the field, data: </translation>
    </message>
    <message>
        <source>第%1张卡卡号为：</source>
        <translation>Card %1 UID: </translation>
    </message>
    <message>
        <source>标志位为：</source>
        <translation>Flags: </translation>
    </message>
    <message>
        <source>读卡返回数据为：</source>
        <translation>Data read: </translation>
    </message>
    <message>
        <source>  Flags值为： </source>
        <translation>  Flags:  </translation>
    </message>
    <message>
        <source>  INFO Flags值为： </source>
        <translation>  Info flags:  </translation>
    </message>
    <message>
        <source>  卡UID值为： </source>
        <translation>  UID:  </translation>
    </message>
    <message>
        <source>  DSFID值为： </source>
        <translation>  DSFID:  </translation>
    </message>
    <message>
        <source>  AFI值为： </source>
        <translation>  AFI:  </translation>
    </message>
    <message>
        <source>  Other fields值为： </source>
        <translation>  Other fields:  </translation>
    </message>
    <message>
        <source>块安全位状态为：</source>
        <translation>Block security status: </translation>
    </message>
    <message>
        <source>读卡失败   </source>
        <translation>Read failed   </translation>
    </message>
    <message>
        <source>写卡失败   </source>
        <translation>Write failed   </translation>
    </message>
    <message>
        <source>锁操作失败   </source>
        <translation>Lock failed   </translation>
    </message>
    <message>
        <source>选择卡操作失败   </source>
        <translation>Select failed   </translation>
    </message>
    <message>
        <source>写AFI操作失败   </source>
        <translation>Write AFI failed   </translation>
    </message>
    <message>
        <source>锁定AFI操作失败   </source>
        <translation>Lock AFI failed   </translation>
    </message>
    <message>
        <source>写DSFID操作失败   </source>
        <translation>Write DSFID failed   </translation>
    </message>
    <message>
        <source>锁定DSFID操作失败   </source>
        <translation>Lock DSFID failed   </translation>
    </message>
    <message>
        <source>读卡块安全位失败   </source>
        <translation>Reading block security failed   </translation>
    </message>
    <message>
        <source>写卡操作成功   </source>
        <translation>Write succeeded   </translation>
    </message>
    <message>
        <source>锁操作成功   </source>
        <translation>Lock succeeded   </translation>
    </message>
    <message>
        <source>选择卡操作成功   </source>
        <translation>Select succeeded   </translation>
    </message>
    <message>
        <source>写AFI操作成功   </source>
        <translation>Write AFI succeeded   </translation>
    </message>
    <message>
        <source>锁定AFI操作成功   </source>
        <translation>Lock AFI succeeded   </translation>
    </message>
    <message>
        <source>写DSFID操作成功   </source>
        <translation>Write DSFID succeeded   </translation>
    </message>
    <message>
        <source>锁定DSFID操作成功   </source>
        <translation>Lock DSFID succeeded   </translation>
    </message>
    <message>
        <source>操作失败   </source>
        <comment>system information</comment>
        <translation>System information failed   </translation>
    </message>
    <message>
        <source>操作失败   </source>
        <comment>inventory</comment>
        <translation>Inventory failed   </translation>
    </message>
</context>
<context>
    <name>rfid::main</name>
    <message>
        <source>Operator tool for 13.56 MHz card readers on USB HID.</source>
        <translation>Operator tool for 13.56 MHz card readers on USB HID.</translation>
    </message>
    <message>
        <source>Reader library: virtual, hid (default) or a path to a library.</source>
        <translation>Reader library: virtual, hid (default) or a path to a library.</translation>
    </message>
    <message>
        <source>The reader to use when the library drives several (as the Reader menu lists them; for the hid library also VID:PID or a hidraw path). RFID_HID_DEVICE wins when set.</source>
        <translation>The reader to use when the library drives several (as the Reader menu lists them; for the hid library also VID:PID or a hidraw path). RFID_HID_DEVICE wins when set.</translation>
    </message>
    <message>
        <source>Lines the log pane keeps (default %1); every line is also in the session log in %2.</source>
        <translation>Lines the log pane keeps (default %1); every line is also in the session log in %2.</translation>
    </message>
    <message>
        <source>Interface language for this run: zh or en (the Language menu&apos;s choice is kept for later runs).</source>
        <translation>Interface language for this run: zh or en (the Language menu&apos;s choice is kept for later runs).</translation>
    </message>
    <message>
        <source>Show every page and group, the hidden ones included.</source>
        <translation>Show every page and group, the hidden ones included.</translation>
    </message>
    <message>
        <source>Virtual reader: put the cards of the dump files that FILE names (one a line) into its field.</source>
        <translation>Virtual reader: put the cards of the dump files that FILE names (one a line) into its field.</translation>
    </message>
    <message>
        <source>Virtual reader: save its cards as Flipper NFC files into DIR when the window closes.</source>
        <translation>Virtual reader: save its cards as Flipper NFC files into DIR when the window closes.</translation>
    </message>
    <message>
        <source>--log-lines takes a whole number of 1 or more, not &quot;%1&quot;</source>
        <translation>--log-lines takes a whole number of 1 or more, not &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--lang takes zh or en, not &quot;%1&quot;</source>
        <translation>--lang takes zh or en, not &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>rfid::raw</name>
    <message>
        <source>发送框中没有十六进制数字，未发送。</source>
        <translation>The send box holds no hex digits; nothing sent.</translation>
    </message>
    <message>
        <source>发送框中的帧有 %1 个十六进制数字（奇数个），不成整字节，未发送。</source>
        <translation>The frame in the send box has %1 hex digits (an odd number), not whole bytes; nothing sent.</translation>
    </message>
    <message>
        <source>发送框中的帧有 %1 字节，超过 %2 字节，未发送。</source>
        <translation>The frame in the send box has %1 bytes, more than %2; nothing sent.</translation>
    </message>
</context>
<context>
    <name>rfid::reasons</name>
    <message>
        <source>输入的参数大于最大允许范围，溢出.....</source>
        <translation>Parameter out of range, overflow.....</translation>
    </message>
    <message>
        <source>命令创作成功.....</source>
        <translation>Command succeeded.....</translation>
    </message>
    <message>
        <source>参数设置失败....</source>
        <translation>Parameter setting failed....</translation>
    </message>
    <message>
        <source>通讯超时 ....</source>
        <translation>Communication timeout ....</translation>
    </message>
    <message>
        <source>卡不存在....</source>
        <translation>No card....</translation>
    </message>
    <message>
        <source>接收卡数据出错....</source>
        <translation>Error receiving card data....</translation>
    </message>
    <message>
        <source>输入参数或者输入命令格式错误....</source>
        <translation>Parameter or command format error....</translation>
    </message>
    <message>
        <source>未知的错误....</source>
        <translation>Unknown error....</translation>
    </message>
    <message>
        <source>The parameter of the command or the Format of the command Erro...</source>
        <translation>Command parameter or command format error...</translation>
    </message>
    <message>
        <source>在块初始化中出现错误...</source>
        <translation>Not a value block...</translation>
    </message>
    <message>
        <source>在防冲突过程中得到错误的序列号....</source>
        <translation>Wrong serial number during anticollision....</translation>
    </message>
    <message>
        <source>密码认证没通过....</source>
        <translation>Authentication failed....</translation>
    </message>
    <message>
        <source>读写设备接收到了未定义的命令.....</source>
        <translation>The reader received an undefined command.....</translation>
    </message>
    <message>
        <source>卡不支持这个命令....</source>
        <translation>The card does not support this command....</translation>
    </message>
    <message>
        <source>命令格式有错误....</source>
        <translation>Command format error....</translation>
    </message>
    <message>
        <source>在命令的FLAG参数中，不支持OPTION 模式....</source>
        <translation>The Option flag of the command is not supported....</translation>
    </message>
    <message>
        <source>要操作的BLOCK不存在....</source>
        <translation>The block does not exist....</translation>
    </message>
    <message>
        <source>要操作的对象已经别锁定，不能进行修改....</source>
        <translation>The block is locked and cannot be changed....</translation>
    </message>
    <message>
        <source>锁定操作不成功....</source>
        <translation>Lock failed....</translation>
    </message>
    <message>
        <source>写操作不成功....</source>
        <translation>Write failed....</translation>
    </message>
</context>
<context>
    <name>rfid::settings</name>
    <message>
        <source>系统地址为 : </source>
        <translation>Reader address: </translation>
    </message>
    <message>
        <source>读序列号成功   </source>
        <translation>Serial number read   </translation>
    </message>
    <message>
        <source>地址为：</source>
        <translation>Address: </translation>
    </message>
    <message>
        <source>序列号为：</source>
        <translation>Serial number: </translation>
    </message>
    <message>
        <source>波特率“%1”不是可选的波特率（9600、19200、38400、57600、115200）之一，未发送   %2</source>
        <translation>Baud rate &quot;%1&quot; is not one of the rates offered (9600, 19200, 38400, 57600, 115200); nothing sent   %2</translation>
    </message>
    <message>
        <source>LED-R</source>
        <translation>LED-R</translation>
    </message>
    <message>
        <source>BUZ</source>
        <translation>buzzer</translation>
    </message>
    <message>
        <source>LED</source>
        <translation>LED</translation>
    </message>
    <message>
        <source>波特率设置失败   </source>
        <translation>Setting the baud rate failed   </translation>
    </message>
    <message>
        <source>波特率设置成功   </source>
        <translation>Baud rate set   </translation>
    </message>
    <message>
        <source>操作失败        </source>
        <translation>Operation failed        </translation>
    </message>
    <message>
        <source>读写器地址设置失败   </source>
        <translation>Setting the reader address failed   </translation>
    </message>
    <message>
        <source>读写器地址设置成功   </source>
        <translation>Reader address set   </translation>
    </message>
    <message>
        <source>读序列号失败   </source>
        <translation>Reading the serial number failed   </translation>
    </message>
    <message>
        <source>机器序列号设置失败   </source>
        <translation>Setting the serial number failed   </translation>
    </message>
    <message>
        <source>机器序列号设置成功   </source>
        <translation>Serial number set   </translation>
    </message>
    <message>
        <source>设置%1操作失败   </source>
        <translation>Setting %1 failed   </translation>
    </message>
    <message>
        <source>设置%1操作成功   </source>
        <translation>Setting %1 succeeded   </translation>
    </message>
</context>
<context>
    <name>rfid::transport</name>
    <message>
        <source>Non data receiving,Please check the equipment....</source>
        <translation>No data received, please check the reader....</translation>
    </message>
</context>
<context>
    <name>rfid::typeb</name>
    <message>
        <source>操作成功   </source>
        <translation>Operation succeeded   </translation>
    </message>
    <message>
        <source>卡片复位数据的长度为:</source>
        <translation>Length of the card&apos;s reset data:</translation>
    </message>
    <message>
        <source>返回操作后的数据为:</source>
        <translation>Data after the operation:</translation>
    </message>
    <message>
        <source>返回卡号为:</source>
        <translation>Card number:</translation>
    </message>
    <message>
        <source>参数设置成功.....</source>
        <translation>Parameters set.....</translation>
    </message>
    <message>
        <source>Reader received unknown command....</source>
        <translation>Reader received an unknown command....</translation>
    </message>
    <message>
        <source>无数据接收..</source>
        <translation>No data received..</translation>
    </message>
    <message>
        <source>操作后的数据串为：</source>
        <translation>Data after the operation: </translation>
    </message>
    <message>
        <source>操作失败   </source>
        <translation>Operation failed   </translation>
    </message>
    <message>
        <source>操作成功、复位成功   </source>
        <translation>Operation succeeded, card reset   </translation>
    </message>
    <message>
        <source>读卡号操作失败   </source>
        <translation>Reading the card number failed   </translation>
    </message>
    <message>
        <source>%1：%2 个字节，最多 %3 个（帧最长 %4 字节），未发送   %5</source>
        <translation>%1: %2 bytes, at most %3 (a frame is at most %4 bytes), nothing sent   %5</translation>
    </message>
</context>
<context>
    <name>rfid::ultralight</name>
    <message>
        <source>读卡号 操作成功   </source>
        <translation>Card number read   </translation>
    </message>
    <message>
        <source>卡号为:</source>
        <translation>Card number:</translation>
    </message>
    <message>
        <source>读卡 操作成功   </source>
        <translation>Read succeeded   </translation>
    </message>
    <message>
        <source>读卡返回数据为: </source>
        <translation>Data read: </translation>
    </message>
    <message>
        <source>卡ID号为:</source>
        <translation>Card UID:</translation>
    </message>
    <message>
        <source>写卡操作成功   </source>
        <translation>Write succeeded   </translation>
    </message>
    <message>
        <source>读卡ID号操作失败   </source>
        <translation>Reading the card UID failed   </translation>
    </message>
    <message>
        <source>读卡失败   </source>
        <translation>Read failed   </translation>
    </message>
    <message>
        <source>写卡操作失败   </source>
        <translation>Write failed   </translation>
    </message>
    <message>
        <source>%1：未选择页，未发送   </source>
        <translation>%1: no page chosen, nothing sent   </translation>
    </message>
</context>
</TS>
